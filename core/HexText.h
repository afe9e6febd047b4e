#pragma once

#include <array>
#include <string>

// Small rules shared by the status text and the error code text: which
// characters count as hexadecimal digits and where two texts first differ.

namespace hex_text_detail {

// A table rather than comparisons: digits in logs are random, branches on
// them mispredict.
constexpr std::array<signed char, 256> kDigitValues = [] {
    std::array<signed char, 256> values{};
    for (int c = 0; c < 256; ++c) {
        values[static_cast<std::size_t>(c)] = static_cast<signed char>(
            c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1);
    }
    return values;
}();

} // namespace hex_text_detail

// The value 0-15 of a hexadecimal digit in either case, or -1.
constexpr int HexDigitValue(char c)
{
    return hex_text_detail::kDigitValues[static_cast<unsigned char>(c)];
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

constexpr char UpperHexDigit(unsigned nibble)
{
    return "0123456789ABCDEF"[nibble & 0x0Fu];
}

// Upper-cases a-f, leaves every other byte as it is.
std::string UpperCaseHexLetters(std::string text);

// Two upper-case hexadecimal digits.
inline void AppendHexByte(std::string& out, unsigned value)
{
    out += UpperHexDigit(value >> 4);
    out += UpperHexDigit(value);
}
