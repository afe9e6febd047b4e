#pragma once

#include "core/ErrorCodes.h"
#include "core/StatusLine.h"

#include <array>
#include <string>
#include <string_view>

// Reading status lines and error codes the way driver logs write them.

// A status line in any of the forms ReadStatusLine takes. On failure `error`
// says what is wrong; positions count characters from 1.
bool ParseStatusLine(std::string_view input, StatusBytes& bytes, std::string& error);

// Four hexadecimal digits in either case: detail number, then error class.
bool ParseErrorCode(std::string_view input, ErrorCode& code, std::string& error);

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
