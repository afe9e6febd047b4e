#include "core/HexText.h"

int FirstDifference(const std::string& a, const std::string& b, int length)
{
    for (int i = 0; i < length; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const bool inA = index < a.size();
        const bool inB = index < b.size();
        if (!inA || !inB || a[index] != b[index])
            return i;
    }
    return -1;
}

std::string UpperCaseHexLetters(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'f')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}
