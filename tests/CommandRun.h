#pragma once

#include <string>
#include <string_view>

// What a run of regalo-decode wrote, and how it ended.
struct CommandRun {
    int exitCode;
    std::string out;
    std::string err;
};

// Text as Windows tools write UTF-16: the byte-order mark, then each unit.
inline std::string Utf16(std::u16string_view text, bool littleEndian)
{
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    return bytes;
}
