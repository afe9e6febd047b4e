#include "core/Diagnostics.h"

#include "core/Utf8.h"


namespace {

// Steps over one character: a UTF-8 sequence, or a single stray byte.
std::size_t CharacterLength(std::string_view text, std::size_t offset)
{
    const std::size_t length = Utf8SequenceLength(text, offset);
    return length == 0 ? 1 : length;
}

bool IsControl(std::string_view sequence)
{
    const auto lead = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() == 1)
        return lead < 0x20 || lead == 0x7F;
    // C1 controls, U+0080-U+009F: some terminals act on them too.
    return sequence.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(sequence[1]) < 0xA0;
}

// Characters that show nothing or turn the text around, and noncharacters,
// which no text may hold: a value holding one could pass for another, or
// read in another order.
bool IsInvisible(char32_t code)
{
    return (code >= 0x200B && code <= 0x200F) || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069)
           || code == 0xFEFF || (code >= 0xFDD0 && code <= 0xFDEF) || (code & 0xFFFEu) == 0xFFFEu;
}

constexpr char kLowerHexDigits[] = "0123456789abcdef";

void AppendBytes(std::string& out, std::string_view bytes)
{
    for (char c : bytes) {
        const auto value = static_cast<unsigned char>(c);
        out += "\\x";
        out += kLowerHexDigits[value >> 4];
        out += kLowerHexDigits[value & 0x0Fu];
    }
}

} // namespace

std::size_t CharacterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); i += CharacterLength(text, i))
        ++count;
    return count;
}

std::size_t CharacterPosition(std::string_view text, std::size_t offset)
{
    return CharacterCount(text.substr(0, offset)) + 1;
}

void AppendEscaped(std::string& out, std::string_view value, std::size_t most)
{
    // Most values are short and plain: they go in whole.
    std::size_t plain = 0;
    while (plain < value.size() && plain < most && value[plain] >= 0x20 && value[plain] < 0x7F && value[plain] != '\\')
        ++plain;
    out.append(value.data(), plain);
    std::size_t shown = plain;
    for (std::size_t i = plain; i < value.size(); ++shown) {
        if (shown == most) {
            out += "\xE2\x80\xA6"; // …
            break;
        }
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(value, i, code);
        const std::string_view sequence = value.substr(i, length == 0 ? 1 : length);
        if (length == 0 || IsControl(sequence)) {
            AppendBytes(out, sequence);
        } else if (IsInvisible(code)) {
            out += "\\u{";
            // At least four digits, upper case.
            for (int shift = code > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4)
                out += "0123456789ABCDEF"[(code >> shift) & 0x0Fu];
            out += '}';
        }
        else if (sequence == "\\")
            out += "\\\\";
        else
            out += sequence;
        i += sequence.size();
    }
}

void AppendQuoted(std::string& out, std::string_view value)
{
    out += '"';
    AppendEscaped(out, value, kShownCharacters);
    out += '"';
}
