#include "cli/Json.h"

#include "core/Diagnostics.h"

#include <QString>

#include <charconv>

namespace {

bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

} // namespace

void AppendJsonString(std::string& out, std::string_view utf8)
{
    if (!IsUtf8(utf8)) {
        // Rare: replaced exactly as Qt reads such bytes elsewhere.
        const QByteArray valid = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUtf8();
        AppendJsonString(out, std::string_view(valid.constData(), static_cast<std::size_t>(valid.size())));
        return;
    }
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

void JsonWriter::Separate()
{
    if (needComma_)
        out_ += ',';
}

JsonWriter& JsonWriter::Open(char bracket)
{
    Separate();
    out_ += bracket;
    needComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::Close(char bracket)
{
    out_ += bracket;
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key)
{
    // Keys are this program's own plain words: nothing to escape.
    Separate();
    out_ += '"';
    out_ += key;
    out_ += "\":";
    needComma_ = false;
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8)
{
    Separate();
    AppendJsonString(out_, utf8);
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::Number(long long value)
{
    Separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out_.append(digits, end);
    needComma_ = true;
    return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view json)
{
    if (json.empty())
        return *this;
    Separate();
    out_ += json;
    needComma_ = true;
    return *this;
}
