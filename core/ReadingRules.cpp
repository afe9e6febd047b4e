#include "core/ReadingRules.h"

#include "core/StatusRecord.h"
#include "core/Utf8.h"

#include <algorithm>

namespace {

constexpr LookAlike kLookAlikes[] = {
    {U'А', 'A', Script::Cyrillic}, {U'В', 'B', Script::Cyrillic}, {U'С', 'C', Script::Cyrillic},
    {U'Е', 'E', Script::Cyrillic}, {U'а', 'a', Script::Cyrillic}, {U'в', 'b', Script::Cyrillic},
    {U'с', 'c', Script::Cyrillic}, {U'е', 'e', Script::Cyrillic}, {U'О', '0', Script::Cyrillic},
    {U'о', '0', Script::Cyrillic},
};

bool IsLineSeparator(char32_t c)
{
    return c < 0x80 && (IsBlank(static_cast<char>(c)) || IsPunctuationSeparator(static_cast<char>(c)));
}

} // namespace

std::optional<LookAlike> LookAlikeOf(char32_t c)
{
    for (const LookAlike& lookAlike : kLookAlikes) {
        if (c == lookAlike.character)
            return lookAlike;
    }
    // U+FF10-FF19 are the full-width digits, U+FF21-FF26 and U+FF41-FF46 A-F and a-f.
    if (c >= 0xFF10 && c <= 0xFF19)
        return LookAlike{c, static_cast<char>('0' + (c - 0xFF10)), Script::FullWidth};
    if (c >= 0xFF21 && c <= 0xFF26)
        return LookAlike{c, static_cast<char>('A' + (c - 0xFF21)), Script::FullWidth};
    if (c >= 0xFF41 && c <= 0xFF46)
        return LookAlike{c, static_cast<char>('a' + (c - 0xFF41)), Script::FullWidth};
    return std::nullopt;
}

bool IsDigitOrItsLookAlike(char32_t c)
{
    if (c < 0x80)
        return IsHexDigitChar(static_cast<char>(c));
    const auto lookAlike = LookAlikeOf(c);
    return lookAlike && IsHexDigitChar(lookAlike->latin);
}

bool IsLetterOrDigitOfAReading(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= 0x0400 && c <= 0x04FF)
           || (c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A);
}

std::size_t LooseHexPrefixAt(std::u32string_view text, std::size_t i)
{
    return i + 2 < text.size() && text[i] == U'0' && (text[i + 1] == U'x' || text[i + 1] == U'X') && IsLetterOrDigitOfAReading(text[i + 2])
               ? 2
               : 0;
}

std::size_t LooseHexPrefixAt(std::string_view utf8, std::size_t i)
{
    char32_t c = 0;
    return i + 2 < utf8.size() && utf8[i] == '0' && (utf8[i + 1] == 'x' || utf8[i + 1] == 'X') && DecodeUtf8(utf8, i + 2, c) > 0
                   && IsLetterOrDigitOfAReading(c)
               ? 2
               : 0;
}

bool HasTheShapeOfAStatusLine(std::u32string_view text)
{
    std::size_t pairs = 0;
    bool separated = false;
    for (std::size_t i = 0; i < text.size();) {
        if (IsLineSeparator(text[i])) {
            separated = true;
            ++i;
            continue;
        }
        i += LooseHexPrefixAt(text, i);
        std::size_t length = 0;
        while (i + length < text.size() && IsLetterOrDigitOfAReading(text[i + length]))
            ++length;
        if (length != 2)
            break;
        ++pairs;
        i += length;
        if (i == text.size())
            return separated && pairs >= 3;
    }
    return text.size() == 2 * kStatusByteCount && std::all_of(text.begin(), text.end(), IsDigitOrItsLookAlike);
}
