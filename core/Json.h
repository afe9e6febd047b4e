#pragma once

#include <charconv>
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
    // Keys are this program's own short plain words: nothing to escape. Each
    // piece goes in with one append: a log writes millions.
    JsonWriter& Key(std::string_view key)
    {
        char piece[40];
        std::size_t length = 0;
        if (needComma_)
            piece[length++] = ',';
        piece[length++] = '"';
        key.copy(piece + length, key.size());
        length += key.size();
        piece[length++] = '"';
        piece[length++] = ':';
        out_.append(piece, length);
        needComma_ = false;
        return *this;
    }
    // Text that is not UTF-8 has each stray byte as U+FFFD.
    JsonWriter& String(std::string_view utf8);
    JsonWriter& Number(long long value)
    {
        char piece[24];
        char* start = piece;
        if (needComma_)
            *start++ = ',';
        out_.append(piece, std::to_chars(start, piece + sizeof piece, value).ptr);
        needComma_ = true;
        return *this;
    }
    JsonWriter& Bool(bool value) { return Raw(value ? "true" : "false"); }
    JsonWriter& Null() { return Raw("null"); }
    // JSON written before: a value, or array elements joined by commas;
    // nothing at all when empty.
    JsonWriter& Raw(std::string_view json)
    {
        if (json.empty())
            return *this;
        Separate();
        out_ += json;
        needComma_ = true;
        return *this;
    }

private:
    // Small and called for every key and value of a long log: inline.
    JsonWriter& Open(char bracket)
    {
        Separate();
        out_ += bracket;
        needComma_ = false;
        return *this;
    }
    JsonWriter& Close(char bracket)
    {
        out_ += bracket;
        needComma_ = true;
        return *this;
    }
    void Separate()
    {
        if (needComma_)
            out_ += ',';
    }

    std::string& out_;
    bool needComma_ = false;
};

// A JSON string literal: quotes, escapes, and U+FFFD for each byte that is not UTF-8.
void AppendJsonString(std::string& out, std::string_view utf8);
std::string JsonString(std::string_view utf8);
