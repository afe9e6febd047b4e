#include "core/Json.h"

#include "core/Utf8.h"

#include <algorithm>

namespace {

void AppendEscaped(std::string& out, std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t run = 0; // characters that go in as they are, not yet appended
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && c != '"' && c != '\\') {
            ++run;
            continue;
        }
        out.append(utf8.data() + i - run, run);
        run = 0;
        out += '\\';
        switch (c) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '\b': out += 'b'; break;
        case '\f': out += 'f'; break;
        case '\n': out += 'n'; break;
        case '\r': out += 'r'; break;
        case '\t': out += 't'; break;
        default:
            out += "u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0Fu];
        }
    }
    out.append(utf8.data() + utf8.size() - run, run);
    out += '"';
}

} // namespace

void AppendJsonString(std::string& out, std::string_view utf8)
{
    // Most strings are printable ASCII: in at once.
    const bool plain = std::all_of(utf8.begin(), utf8.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x80 && c != '"' && c != '\\';
    });
    if (plain) {
        out.reserve(out.size() + utf8.size() + 2);
        out += '"';
        out += utf8;
        out += '"';
        return;
    }
    // Rare: input from a log that is not UTF-8.
    if (!IsValidUtf8(utf8)) {
        AppendEscaped(out, ValidUtf8(utf8));
        return;
    }
    AppendEscaped(out, utf8);
}

std::string JsonString(std::string_view utf8)
{
    std::string json;
    AppendJsonString(json, utf8);
    return json;
}

JsonWriter& JsonWriter::String(std::string_view utf8)
{
    Separate();
    AppendJsonString(out_, utf8);
    needComma_ = true;
    return *this;
}
