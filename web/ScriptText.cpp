#include "web/ScriptText.h"

#include "core/Diagnostics.h"

#include <algorithm>
#include <utility>

std::u32string FromUtf8(std::string_view text)
{
    std::u32string codePoints;
    codePoints.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(text, offset, c);
        codePoints.push_back(length > 0 ? c : U'\uFFFD');
        offset += std::max<std::size_t>(length, 1);
    }
    return codePoints;
}

std::string ToUtf8(std::u32string_view text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (const char32_t c : text) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (c >> 18));
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

const char* Answer(std::string text)
{
    static std::string answer;
    answer = std::move(text);
    return answer.c_str();
}

std::string JsonQuoted(std::string_view utf8)
{
    std::string json = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            json += "\\u00";
            json += "0123456789abcdef"[c >> 4];
            json += "0123456789abcdef"[c & 0xF];
        } else {
            json += c;
        }
    }
    return json + '"';
}

JsonObject& JsonObject::Add(std::string_view key, std::string_view json)
{
    if (json_.size() > 1)
        json_ += ',';
    json_ += JsonQuoted(key);
    json_ += ':';
    json_ += json;
    return *this;
}
