#pragma once

#include "core/ErrorCodes.h"
#include "core/StatusLine.h"
#include "core/Translatable.h"

#include <array>
#include <string>
#include <string_view>

// Reading one status line or error code given whole, the status field's
// text byte by byte, and saying what is wrong with a value that cannot be
// read: the same words in every face.

// What is wrong with a value, as data; Phrased says it.
struct InputProblem {
    enum class Kind {
        WrongLength,    // an error code of `count` characters
        NotHexadecimal, // the character at `position`
        OneDigit,       // a byte with one digit, at `position`
        ByteCount,      // `count` bytes instead of six
        IncompleteByte, // byte `count` of the status field has an empty position
        ZeroBytes,      // NUL bytes: text in another encoding, UTF-16 above all
        SeveralStatusLines, // `count` different ones in a pasted piece of a log
        SeveralCodes,       // the same for error codes
        NoStatusLine,       // a pasted text holds none
        NoCode,
        CodeNotStatusLine,  // a pasted text holds only the code `text`
        StatusLineNotCode,  // a pasted text holds only the status line `text`
        TooLong,            // longer than `count` bytes, far more than any value
    };
    Kind kind;
    std::size_t position = 0; // in characters, from 1
    std::size_t count = 0;
    // The offending character, for NotHexadecimal; the value a pasted text
    // holds instead, for CodeNotStatusLine and StatusLineNotCode.
    std::string text;
};

// A status line in any of the forms ReadStatusLine takes.
bool ParseStatusLine(std::string_view input, StatusBytes& bytes, InputProblem& problem);

// Four hexadecimal digits in either case, nothing around them but, on a
// longer text, a "0x" or "0X" before them: detail number, then error class.
bool ParseErrorCode(std::string_view text, ErrorCode& code, InputProblem& problem);

// No status line or code is nearly this long, whatever surrounds it: a value
// or a line longer is refused before it is read.
inline constexpr std::size_t kMaxValueLength = 4096;

// The input without leading and trailing blanks, tabs and carriage returns.
inline std::string_view Trimmed(std::string_view input)
{
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t first = 0;
    std::size_t end = input.size();
    while (first < end && blank(input[first]))
        ++first;
    while (end > first && blank(input[end - 1]))
        --end;
    return input.substr(first, end - first);
}

// The status field's text (17 characters, blanks as spaces) byte by byte:
// the bytes whose two positions hold hexadecimal digits, and what is wrong
// with the first that does not.
struct StatusFieldReading {
    StatusBytes bytes{};
    std::array<bool, kStatusByteCount> read{};
    std::optional<InputProblem> problem;
};
StatusFieldReading ReadStatusField(std::u32string_view text);

// What is wrong, in words: "неверная длина: 5 символов вместо 4",
// "кириллическая «С» на позиции 3 — нужна латинская C".
std::string Phrased(const InputProblem& problem, TextTranslation translate);
