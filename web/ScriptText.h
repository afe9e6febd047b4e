#pragma once

// What crosses between the rules and the page's script: text comes as UTF-8
// with its length, and goes back as UTF-8 text or as JSON.
#include <string>
#include <string_view>

// Code points of UTF-8 text; a byte that begins no valid sequence is U+FFFD.
std::u32string FromUtf8(std::string_view text);
std::string ToUtf8(std::u32string_view text);

// A call's answer to the script, kept until the next call: the script reads it at once.
const char* Answer(std::string text);

// A JSON string of text that is valid UTF-8, as the rules' texts are.
std::string JsonQuoted(std::string_view utf8);

// A JSON object written field by field; each value is given as JSON.
class JsonObject {
public:
    JsonObject& Add(std::string_view key, std::string_view json);
    JsonObject& AddText(std::string_view key, std::string_view utf8) { return Add(key, JsonQuoted(utf8)); }
    JsonObject& AddNumber(std::string_view key, int number) { return Add(key, std::to_string(number)); }
    JsonObject& AddFlag(std::string_view key, bool flag) { return Add(key, flag ? "true" : "false"); }
    std::string Json() const { return json_ + '}'; }

private:
    std::string json_ = "{";
};

// A JSON array of items given as JSON.
template <typename Items, typename ToJson>
std::string JsonArray(const Items& items, ToJson toJson)
{
    std::string json = "[";
    for (const auto& item : items)
        json += (json.size() > 1 ? "," : "") + toJson(item);
    return json + ']';
}
