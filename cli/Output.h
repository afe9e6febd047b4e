#pragma once

#include "cli/Csv.h"
#include "cli/Input.h"

#include <string>
#include <string_view>

// What regalo-decode writes, all UTF-8: text for people, one line per value
// when streaming, JSON objects and CSV for scripts. Each routine appends to
// `out`.

// The status bytes as the window's field shows them: "80 80 89 80 80 80".
void AppendStatusHex(std::string& out, const StatusBytes& bytes);

// The byte line, each byte's caption with the captions of its set flags, and
// the receipt state.
void AppendStatusReport(std::string& out, const StatusBytes& bytes);
// One line: the bytes, then each set flag as "byte.bit caption" and the
// receipt state, separated by tabs.
void AppendStatusLine(std::string& out, const StatusBytes& bytes);
void AppendStatusJson(std::string& out, std::string_view input, const StatusBytes& bytes);

// The message with its line feeds written as \n, to keep it on one line.
std::string OnOneLine(std::string_view message);
// `messageJson` is the message as a JSON string literal.
void AppendErrorCodeJson(std::string& out, std::string_view input, const ErrorCode& code, std::string_view messageJson);

void AppendInvalidInputJson(std::string& out, std::string_view input, std::string_view error);

// CSV, in either style: a header row, then one row per value; a value that
// could not be read has its input and the reason, the rest empty.
void AppendStatusCsvHeader(std::string& out, const CsvStyle& style);
void AppendStatusCsv(std::string& out, std::string_view input, const StatusBytes& bytes, const CsvStyle& style);
void AppendErrorCodeCsvHeader(std::string& out, const CsvStyle& style);
void AppendErrorCodeCsv(std::string& out, std::string_view input, const ErrorCode& code, std::string_view message,
                        const CsvStyle& style);
void AppendInvalidStatusCsv(std::string& out, std::string_view input, std::string_view error, const CsvStyle& style);
void AppendInvalidErrorCodeCsv(std::string& out, std::string_view input, std::string_view error, const CsvStyle& style);
