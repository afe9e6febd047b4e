#pragma once

#include "cli/Streams.h"
#include "core/Translatable.h"

#include <string>

// regalo-decode's own words, whole sentences in Russian, the texts' own
// language, translated through Qt's system in the context "regalo-decode".
// Counts take Qt's plural forms (%n), three in Russian.
inline constexpr char kDecodeContext[] = "regalo-decode";

std::string Words(const char* text);
std::string Words(const char* text, std::size_t count);

// "ошибка записи: No space left on device": the reason is the system's.
std::string IoErrorWords(const IoError& failure);
