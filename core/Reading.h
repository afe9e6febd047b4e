#pragma once

#include "core/ErrorCodes.h"
#include "core/StatusLine.h"
#include "core/Translatable.h"

#include <array>
#include <string>
#include <string_view>

// Reading one status line or error code the way driver logs write them,
// and saying what is wrong with one that cannot be read: the same words in
// every face.

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
    };
    Kind kind;
    std::size_t position = 0; // in characters, from 1
    std::size_t count = 0;
    std::string character;    // the offending character, for NotHexadecimal
};

// A status line in any of the forms ReadStatusLine takes.
bool ParseStatusLine(std::string_view input, StatusBytes& bytes, InputProblem& problem);

// Four hexadecimal digits in either case, nothing around them but, on a
// longer text, a "0x" or "0X" before them: detail number, then error class.
bool ParseErrorCode(std::string_view text, ErrorCode& code, InputProblem& problem);

// What a text pasted as a whole status line or code is, as a field takes
// it: the value in the field's form, or a problem where the text has the
// shape of one but cannot be read (a look-alike letter, five or seven
// bytes, a letter that is no digit), or neither: then it is pasted piece by
// piece, as typed.
struct PastedValue {
    std::optional<std::string> value; // "80 84 89 80 83 91", "0501"
    std::optional<InputProblem> problem;
};
// The shape of a status line: three or more pairs of letters or digits
// (Latin, Cyrillic or full-width), each may be prefixed 0x, in the separated
// forms, or twelve characters that are hexadecimal digits once look-alikes
// are counted as the digits they look like. A piece of a log (a line as a
// driver writes it) gives the one status line it holds, by the rules a log
// is read by (Scan.h); several different ones are refused.
PastedValue PastedStatusLine(std::string_view utf8);
// The shape of a code: four letters or digits, or 0x and four; or a piece of
// a log holding one code.
PastedValue PastedErrorCode(std::string_view utf8);

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
