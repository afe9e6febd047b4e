#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8, the encoding every text of the programs is kept in, read and
// written without a library: the page and the C library have none.

// Length of the valid UTF-8 sequence starting at `offset`, or 0.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t offset);
// The same, and the sequence's code point in `code`.
std::size_t DecodeUtf8(std::string_view text, std::size_t offset, char32_t& code);
// A code point as UTF-8; a lone surrogate keeps its own (invalid) three bytes.
void AppendUtf8(std::string& out, char32_t code);

// Code points of UTF-8 text; each byte that begins no valid sequence is U+FFFD.
std::u32string FromUtf8(std::string_view text);
std::string ToUtf8(std::u32string_view text);

bool IsValidUtf8(std::string_view text);
// The text with each byte that begins no valid sequence replaced by U+FFFD,
// as Qt reads such bytes.
std::string ValidUtf8(std::string_view text);
