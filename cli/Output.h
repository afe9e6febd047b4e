#pragma once

#include "cli/Input.h"

#include <QJsonArray>
#include <QJsonObject>

#include <string>
#include <string_view>

// What regalo-decode writes: plain text for people, one line per result when
// streaming, JSON objects and CSV for scripts. All UTF-8.

enum class OutputFormat { Text, Json, Csv };

// The byte line, each byte's panel with the captions of its set flags, and
// the receipt state.
std::string StatusReport(const StatusBytes& bytes);
// One line: the bytes, then the set flags and the receipt state, appended to `out`.
void AppendStatusLine(std::string& out, const StatusBytes& bytes);
QJsonObject StatusJson(std::string_view input, const StatusBytes& bytes);

std::string ErrorCodeMessage(const ErrorCodeValue& code);
// The message with its line feeds written as \n, to keep it on one line.
std::string OnOneLine(const std::string& message);
QJsonObject ErrorCodeJson(std::string_view input, const ErrorCodeValue& code, const std::string& message);

QJsonObject InvalidInputJson(std::string_view input, const std::string& error);

std::string ListErrors(OutputFormat format);
std::string ListFlags(OutputFormat format);

// One JSON object on one line, with a line feed.
std::string JsonLine(const QJsonObject& object);
// A CSV field, quoted when it needs to be.
std::string CsvField(std::string_view text);
