#pragma once

#include "core/ErrorCodes.h"
#include "core/LogSummary.h"
#include "core/Scan.h"
#include "core/StatusLine.h"
#include "core/Translatable.h"

#include <memory>
#include <string>
#include <string_view>

// The forms regalo-decode writes in, and the C library answers in: text for
// people, the explanation in a few words, JSON, CSV, and CSV as Excel opens
// it. Each form is one writer, in a file of its own, and covers everything
// written in it: decoded values, the catalogue, and what changed between
// two status lines. All UTF-8; each routine appends to `out`.
enum class Format { Text, Brief, Json, Csv, Excel };

// What is decoded, and where the values come from: a value given as
// arguments is answered in full for a person, a stream line by line. A
// log's readings are of either kind, found within its lines; its summary
// is written once, at the end.
enum class ValueKind { Status, ErrorCode, LogReading, LogSummary };
enum class ValueSource { Arguments, Lines };

class FormatWriter {
public:
    virtual ~FormatWriter() = default;

    // Before the first value.
    virtual void Header(std::string& out) const;
    virtual void Status(std::string& out, std::string_view input, const StatusBytes& bytes) const = 0;
    // A code's message (or that the catalogue has none) as this format
    // writes it, built once per code by the caller: a log repeats its codes.
    virtual std::string Message(const ErrorCode& code) const = 0;
    virtual void Code(std::string& out, std::string_view input, const ErrorCode& code, std::string_view message) const = 0;
    // A value that could not be read, and why. Given as arguments, most
    // formats write nothing: the note on standard error says why.
    virtual void Invalid(std::string& out, std::string_view input, std::string_view why) const;
    // A blank line of a stream: an empty record, so that answers line up with their input.
    virtual void Blank(std::string& out) const = 0;

    // The whole catalogue.
    virtual void Errors(std::string& out) const = 0;
    virtual void Flags(std::string& out) const = 0;

    // What changed from one status line to the next.
    virtual void Difference(std::string& out, const StatusBytes& before, const StatusBytes& after) const = 0;

    // What a log comes to (LogSummary), once it is read.
    virtual void Summary(std::string& out, const LogSummary& summary) const = 0;

    // A reading found in a log: its line and time, the value, and for a
    // status line after the first what changed since the one before; an
    // error code's `message` as Message gives it, an unreadable value's
    // reason in words.
    virtual void Reading(std::string& out, const ScanRecord& record, std::string_view message) const = 0;
};

// The catalogue's texts and the labels around them in the language
// `translate` gives.
std::unique_ptr<FormatWriter> MakeFormatWriter(Format format, ValueKind kind, ValueSource source, TextTranslation translate);

// One per file; MakeFormatWriter chooses.
std::unique_ptr<FormatWriter> MakeTextWriter(ValueSource source, TextTranslation translate);
std::unique_ptr<FormatWriter> MakeBriefWriter(ValueSource source, TextTranslation translate);
// `codeLines`: a stream of codes, each code's line kept whole but for its
// input (Message gives it, for Code alone).
std::unique_ptr<FormatWriter> MakeJsonWriter(TextTranslation translate, bool codeLines = false);
std::unique_ptr<FormatWriter> MakeCsvWriter(Format format, ValueKind kind, TextTranslation translate);

// A stream's line that cannot be read, in text and brief alike: the input
// as notes show it, and "!" where an answer would begin, which no answer does.
void AppendInvalidLine(std::string& out, std::string_view input, std::string_view why);
