#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Comma-separated values for programs, and the form Excel opens by a
// double-click in any locale: a UTF-8 byte-order mark, semicolons, CR LF,
// and text that a spreadsheet keeps as text.
struct CsvStyle {
    char separator;
    std::string_view lineEnd;
    bool byteOrderMark;
    // Text written as a formula giving that text, ="0501": opened directly,
    // a spreadsheet would read "0501" as 501 and "0E05" as 0.
    bool textAsFormula;
};
inline constexpr CsvStyle kCsv{',', "\n", false, false};
inline constexpr CsvStyle kExcel{';', "\r\n", true, true};

// A cell: a number; text of the program's own (codes, captions, messages);
// or input, text taken from what was decoded, which may hold anything.
struct CsvCell {
    enum class Kind { Number, Text, Input };
    CsvCell(std::string_view text, Kind kind = Kind::Text) : text(text), kind(kind) {}
    CsvCell(const char* text) : text(text), kind(Kind::Text) {}
    CsvCell(const std::string& text) : text(text), kind(Kind::Text) {}
    std::string_view text;
    Kind kind;
};
inline CsvCell CsvNumber(std::string_view text) { return {text, CsvCell::Kind::Number}; }
inline CsvCell CsvInput(std::string_view text) { return {text, CsvCell::Kind::Input}; }

// A field, quoted when it holds the separator, a quote or a line end.
// Input has its control characters, bytes that are not UTF-8 and invisible
// characters escaped as notes show them, and one that a spreadsheet would
// take for a formula (=, +, -, @ first) begins with an apostrophe.
std::string CsvField(const CsvCell& cell, const CsvStyle& style = kCsv);
void AppendCsvField(std::string& out, const CsvCell& cell, const CsvStyle& style);
// The text with each quote doubled, as a quoted field holds it.
void AppendDoubledQuotes(std::string& out, std::string_view text);
// Fields as above, separated, with the line end.
void AppendCsvRow(std::string& out, std::initializer_list<CsvCell> cells, const CsvStyle& style);
// The start of a document: the byte-order mark where the style has one, and
// the columns' names, plain words every spreadsheet keeps as they are.
void AppendCsvHeader(std::string& out, std::initializer_list<std::string_view> names, const CsvStyle& style);
