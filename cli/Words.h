#pragma once

#include "cli/Input.h"
#include "cli/Streams.h"
#include "core/Translatable.h"

#include <cstdint>
#include <string>

// regalo-decode's own words, whole sentences in Russian, the texts' own
// language, translated through Qt's system in the context "regalo-decode".
// Counts take Qt's plural forms (%n), three in Russian.
std::string Words(const char* text);
std::string Words(const char* text, std::size_t count);

// What is wrong with a value.
std::string Phrased(const InputProblem& problem);
// "строка 3: ", before a note on a streamed value.
std::string LinePrefix(std::uint64_t lineNumber);
// "ошибка записи: No space left on device": the reason is the system's.
std::string IoErrorWords(const IoError& failure);
