#pragma once

#include "core/HexText.h"
#include "core/ReadingRules.h"
#include "core/StatusFlagCatalogue.h"
#include "core/StatusRecord.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A status line as people copy it from driver logs, terminals and
// spreadsheets: six bytes of two hexadecimal digits, each may be prefixed
// 0x or 0X, separated by blanks, tabs, one of - : , ; or nothing, with white
// space around the whole: "80 84 89 80 83 91", "0x80 0x84 ...",
// "80-84-89-80-83-91", "808489808391".

using StatusBytes = std::array<unsigned, kStatusByteCount>;

struct StatusLine {
    StatusBytes bytes;
    // "HH HH HH HH HH HH", the digits in the case they were written.
    std::array<char, kStatusTextLength> text;
};

struct StatusLineError {
    enum class Kind {
        NotHexadecimal, // `offset`: the character where a digit belongs
        OneDigit,       // `offset`: a byte's only digit
        ByteCount,      // `count` bytes instead of six
    };
    Kind kind;
    std::size_t offset; // in bytes from the start of the input
    std::size_t count;
};

// The line, or nothing and, when asked, what is wrong with it.
std::optional<StatusLine> ReadStatusLine(std::string_view input, StatusLineError* error = nullptr);
// "HH HH HH HH HH HH" exactly, as the field shows a line and most logs
// write one, read at once; false for any other text, which ReadStatusLine
// then reads.
bool ReadFieldForm(std::string_view input, StatusBytes& bytes);

// The status bytes as the window's field shows them: "80 80 89 80 80 80".
std::string StatusHexText(const StatusBytes& bytes);
// The same into `to`, kStatusTextLength characters.
inline void WriteStatusHex(char* to, const StatusBytes& bytes)
{
    for (std::size_t k = 0; k < bytes.size(); ++k, to += 3) {
        to[0] = UpperHexDigit(bytes[k] >> 4);
        to[1] = UpperHexDigit(bytes[k]);
        if (k + 1 < bytes.size())
            to[2] = ' ';
    }
}
void AppendStatusHex(std::string& out, const StatusBytes& bytes);
// The same without taking memory: a log has millions.
std::array<char, kStatusTextLength> StatusHexChars(const StatusBytes& bytes);
