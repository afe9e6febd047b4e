#pragma once

#include "cli/Json.h"
#include "core/StatusFlagCatalogue.h"

#include <initializer_list>
#include <string>

// Pieces the status output and the catalogue listings share.

// Two upper-case hexadecimal digits.
std::string Hex2(unsigned value);

// A caption or an error text in the catalogue's language; Russian ones are
// the tables' own.
const char* Caption(const char* source);
const char* ErrorText(const char* source);

// A label of text output, in the catalogue's language as its captions are,
// with %1, %2 … replaced by `values`.
std::string Label(const char* source, std::initializer_list<std::string> values);

void WriteFlagJson(JsonWriter& json, const StatusFlag& flag);
void WriteReceiptStateJson(JsonWriter& json, int state);
