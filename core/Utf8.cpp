#include "core/Utf8.h"

#include <cstdint>
#include <cstring>

std::size_t Utf8SequenceLength(std::string_view text, std::size_t offset)
{
    char32_t code = 0;
    return DecodeUtf8(text, offset, code);
}

std::size_t DecodeUtf8(std::string_view text, std::size_t offset, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(offset);
    code = lead;
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (offset + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(offset + i) & 0xC0u) != 0x80u)
            return 0;
        code = (code << 6) | (byte(offset + i) & 0x3Fu);
    }
    // Overlong forms, surrogates and code points past Unicode are not UTF-8.
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::u32string FromUtf8(std::string_view text)
{
    std::u32string codePoints;
    codePoints.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        char32_t c = 0;
        const std::size_t length = DecodeUtf8(text, offset, c);
        codePoints.push_back(length > 0 ? c : U'\uFFFD');
        offset += length > 0 ? length : 1;
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

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t offset = 0; offset < text.size();) {
        // Eight ASCII bytes at a time: most of a log is.
        std::uint64_t word = 0;
        if (offset + sizeof word <= text.size()) {
            std::memcpy(&word, text.data() + offset, sizeof word);
            if ((word & 0x8080808080808080u) == 0) {
                offset += sizeof word;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[offset]) < 0x80) {
            ++offset;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(text, offset);
        if (length == 0)
            return false;
        offset += length;
    }
    return true;
}

std::string ValidUtf8(std::string_view text)
{
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t offset = 0; offset < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, offset);
        if (length == 0) {
            valid += "\xEF\xBF\xBD";
            ++offset;
        } else {
            valid.append(text, offset, length);
            offset += length;
        }
    }
    return valid;
}
