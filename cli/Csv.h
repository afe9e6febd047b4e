#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Comma-separated values, and the form Excel opens by a double-click in any
// locale: a UTF-8 byte-order mark, semicolons, CR LF.
struct CsvStyle {
    char separator;
    std::string_view lineEnd;
    bool byteOrderMark;
};
inline constexpr CsvStyle kCsv{',', "\n", false};
inline constexpr CsvStyle kExcel{';', "\r\n", true};

// A field, quoted when it holds the separator, a quote or a line end.
std::string CsvField(std::string_view text, const CsvStyle& style = kCsv);
// Fields quoted as needed, separated, with the line end.
void AppendCsvRow(std::string& out, std::initializer_list<std::string_view> fields, const CsvStyle& style);
// The start of a document: the byte-order mark where the style has one.
void AppendCsvStart(std::string& out, const CsvStyle& style);
