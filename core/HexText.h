#pragma once

#include <string>

// Small rules shared by the status text and the error code text: which
// characters count as hexadecimal digits and where two texts first differ.

// The value 0-15 of a hexadecimal digit in either case, or -1.
constexpr int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// '0'-'9', 'A'-'F' and 'a'-'f'.
constexpr bool IsHexDigitChar(char c)
{
    return HexDigitValue(c) >= 0;
}

// 0-based index of the first position where the texts differ, comparing the
// first `length` positions (a missing character counts as different);
// -1 when they agree on all of them.
int FirstDifference(const std::string& a, const std::string& b, int length);

char UpperHexDigit(unsigned nibble);

// Upper-cases a-f, leaves every other byte as it is.
std::string UpperCaseHexLetters(std::string text);
