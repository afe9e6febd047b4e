#pragma once

#include <string>
#include <string_view>

// Appends JSON to a string as it goes: building a document per value would
// cost far more than decoding it. Objects are written with their keys in
// alphabetical order by the callers, as Qt's JSON documents have them.
class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view utf8);
    JsonWriter& Number(long long value);
    // JSON written before: a value, or array elements joined by commas;
    // nothing at all when empty.
    JsonWriter& Raw(std::string_view json);

private:
    JsonWriter& Open(char bracket);
    JsonWriter& Close(char bracket);
    void Separate();

    std::string& out_;
    bool needComma_ = false;
};

// A JSON string literal: quotes, escapes, and U+FFFD for what is not UTF-8.
void AppendJsonString(std::string& out, std::string_view utf8);
