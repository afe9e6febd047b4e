#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Windows-1251 code page: the character set a register's texts and the
// entry fields are limited to.

char32_t DecodeCp1251(unsigned char byte);
std::optional<unsigned char> EncodeCp1251(char32_t c);

// Letters and digits of the code page: 0-9, Latin and Cyrillic letters.
bool IsCp1251LetterOrDigit(char32_t c);

// One byte per character; a character outside the code page becomes `fallback`.
std::string ToCp1251(std::u32string_view text, char fallback = '?');
std::u32string FromCp1251(std::string_view bytes);

// Whether `text` reads as `bytes` in the code page, checked without a copy.
bool EqualsCp1251(std::u32string_view text, std::string_view bytes);
