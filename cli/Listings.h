#pragma once

#include <string>
#include <string_view>

// The whole catalogue, of error codes or of status flags, in the format asked.
enum class ListFormat { Text, Json, Csv };
std::string ListErrors(ListFormat format);
std::string ListFlags(ListFormat format);

// A CSV field, quoted when it needs to be.
std::string CsvField(std::string_view text);
