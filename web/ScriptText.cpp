#include "web/ScriptText.h"

#include "core/Diagnostics.h"
#include "core/JsonText.h"

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
    for (const char32_t c : text)
        AppendUtf8(utf8, c);
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
    std::string json;
    AppendJsonEscaped(json, utf8);
    return json;
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
