#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Values quoted back to the user come from logs and terminals: they are shown
// so that nothing in them can act on the terminal, and counted as the user
// sees them.

// Characters as a terminal shows them: each UTF-8 sequence one, and each byte
// that belongs to none one too.
std::size_t CharacterCount(std::string_view text);

// The character position (from 1) of the byte at `offset`.
std::size_t CharacterPosition(std::string_view text, std::size_t offset);

// The text with control characters and bytes that are not UTF-8 written as
// \xNN, invisible and direction-changing characters and noncharacters as
// \u{202E}, and a
// backslash as \\, cut with an ellipsis after `most` characters.
void AppendEscaped(std::string& out, std::string_view text, std::size_t most);

// A value quoted in a message: escaped, cut after kShownCharacters, in
// double quotes.
inline constexpr std::size_t kShownCharacters = 64;
void AppendQuoted(std::string& out, std::string_view value);

