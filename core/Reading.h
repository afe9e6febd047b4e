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
    };
    Kind kind;
    std::size_t position = 0; // in characters, from 1
    std::size_t count = 0;
    std::string character;    // the offending character, for NotHexadecimal
};

// A status line in any of the forms ReadStatusLine takes.
bool ParseStatusLine(std::string_view input, StatusBytes& bytes, InputProblem& problem);

// Four hexadecimal digits in either case, nothing around them: detail
// number, then error class.
bool ParseErrorCode(std::string_view text, ErrorCode& code, InputProblem& problem);

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

// What is wrong, in words: "неверная длина: 5 символов вместо 4",
// "кириллическая «С» на позиции 3 — нужна латинская C".
std::string Phrased(const InputProblem& problem, TextTranslation translate);
