#pragma once

#include "core/HexText.h"

#include <cstddef>
#include <optional>
#include <string_view>

// The small rules every reader of a status line or a code shares, whether
// it reads a value given whole, a pasted text or a log: what may stand
// between bytes, the 0x prefix, and the letters that only look like digits.

// What may stand between two bytes: blanks, and one of these among them.
constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}
constexpr bool IsPunctuationSeparator(char c)
{
    return c == '-' || c == ':' || c == ',' || c == ';';
}

// The length of a "0x" or "0X" at `i` that a hexadecimal digit follows: 2,
// else 0. Written so by programs as by people, before a byte or a code.
template <class Char>
constexpr bool IsHexDigitOf(Char c)
{
    if constexpr (sizeof(Char) == 1)
        return IsHexDigitChar(static_cast<char>(c));
    else
        return c < 0x80 && IsHexDigitChar(static_cast<char>(c));
}

template <class Char>
constexpr std::size_t HexPrefixAt(std::basic_string_view<Char> text, std::size_t i)
{
    return i + 2 < text.size() && text[i] == Char('0') && (text[i + 1] == Char('x') || text[i + 1] == Char('X'))
                   && IsHexDigitOf(text[i + 2])
               ? 2
               : 0;
}

// The same before any letter or digit of a reading: where what follows is
// judged (a look-alike letter named), not read.
std::size_t LooseHexPrefixAt(std::u32string_view text, std::size_t i);
std::size_t LooseHexPrefixAt(std::string_view utf8, std::size_t i);

// Letters that look like what belongs in a code: Cyrillic ones, typed with
// the Russian layout on or copied from a Russian document, and full-width
// ones, from East Asian input methods and documents.
enum class Script { Cyrillic, FullWidth };
struct LookAlike {
    char32_t character;
    char latin;
    Script script;
};
std::optional<LookAlike> LookAlikeOf(char32_t c);

// A hexadecimal digit, or a letter that looks like one.
bool IsDigitOrItsLookAlike(char32_t c);

// What a status line's or a code's characters may be in the shape of one:
// digits and letters of the scripts a reading is copied from.
bool IsLetterOrDigitOfAReading(char32_t c);

// The shape of a status line that may not be one: three or more separated
// pairs of letters or digits (Latin, Cyrillic or full-width), each may be
// prefixed 0x, or twelve characters that are hexadecimal digits once
// look-alikes are counted as the digits they look like.
bool HasTheShapeOfAStatusLine(std::u32string_view text);
