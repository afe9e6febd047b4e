#pragma once

#include "cli/Csv.h"

#include <string>

// The whole catalogue, of error codes or of status flags, in the format asked.
enum class ListFormat { Text, Json, Csv, Excel };
std::string ListErrors(ListFormat format);
std::string ListFlags(ListFormat format);
