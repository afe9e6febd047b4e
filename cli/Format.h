#pragma once

#include "cli/Csv.h"

// The forms regalo-decode writes in, as its options choose them: text for
// people, the explanation in a few words, JSON, CSV, and CSV as Excel opens it.
enum class Format { Text, Brief, Json, Csv, Excel };

// The CSV style of a CSV format; nullptr for the others.
inline const CsvStyle* CsvStyleOf(Format format)
{
    return format == Format::Csv ? &kCsv : format == Format::Excel ? &kExcel : nullptr;
}
