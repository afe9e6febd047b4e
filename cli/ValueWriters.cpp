#include "cli/ValueWriters.h"

#include "cli/Json.h"
#include "cli/Output.h"
#include "core/Diagnostics.h"

#include <limits>

void ValueWriter::Header(std::string&) const {}

// A value given as arguments that could not be read gives nothing on
// standard output: the note on standard error says why.
void ValueWriter::Invalid(std::string&, std::string_view, std::string_view) const {}

namespace {

// A value given as arguments: the whole report, the message as it reads.
class ReportWriter : public ValueWriter {
public:
    void Status(std::string& out, std::string_view, const StatusBytes& bytes) const override
    {
        AppendStatusReport(out, bytes);
    }
    std::string Message(const std::string& text) const override { return text + '\n'; }
    void Code(std::string& out, std::string_view, const ErrorCode&, std::string_view message) const override
    {
        out += message;
    }
    void Blank(std::string&) const override {}
};

// A stream: one line per value, the input first, fields split by tabs.
class LineWriter : public ValueWriter {
public:
    void Status(std::string& out, std::string_view, const StatusBytes& bytes) const override
    {
        AppendStatusLine(out, bytes);
    }
    std::string Message(const std::string& text) const override { return '\t' + OnOneLine(text) + '\n'; }
    void Code(std::string& out, std::string_view input, const ErrorCode&, std::string_view message) const override
    {
        out += input;
        out += message;
    }
    // The input as notes show it, and "!" where an answer would begin, which
    // no answer does.
    void Invalid(std::string& out, std::string_view input, std::string_view why) const override
    {
        AppendEscaped(out, input, std::numeric_limits<std::size_t>::max());
        out += "\t! ";
        out += why;
        out += '\n';
    }
    void Blank(std::string& out) const override { out += '\n'; }
};

class JsonValueWriter : public ValueWriter {
public:
    void Status(std::string& out, std::string_view input, const StatusBytes& bytes) const override
    {
        AppendStatusJson(out, input, bytes);
    }
    std::string Message(const std::string& text) const override
    {
        std::string literal;
        AppendJsonString(literal, text);
        return literal;
    }
    void Code(std::string& out, std::string_view input, const ErrorCode& code, std::string_view message) const override
    {
        AppendErrorCodeJson(out, input, code, message);
    }
    void Invalid(std::string& out, std::string_view input, std::string_view why) const override
    {
        AppendInvalidInputJson(out, input, why);
    }
    void Blank(std::string& out) const override { out += "{\"input\":\"\"}\n"; }
};

class CsvValueWriter : public ValueWriter {
public:
    CsvValueWriter(const CsvStyle& style, ValueKind kind) : style_(style), kind_(kind) {}

    void Header(std::string& out) const override
    {
        if (kind_ == ValueKind::Status)
            AppendStatusCsvHeader(out, style_);
        else
            AppendErrorCodeCsvHeader(out, style_);
    }
    void Status(std::string& out, std::string_view input, const StatusBytes& bytes) const override
    {
        AppendStatusCsv(out, input, bytes, style_);
    }
    std::string Message(const std::string& text) const override { return text; }
    void Code(std::string& out, std::string_view input, const ErrorCode& code, std::string_view message) const override
    {
        AppendErrorCodeCsv(out, input, code, message, style_);
    }
    void Invalid(std::string& out, std::string_view input, std::string_view why) const override
    {
        if (kind_ == ValueKind::Status)
            AppendInvalidStatusCsv(out, input, why, style_);
        else
            AppendInvalidErrorCodeCsv(out, input, why, style_);
    }
    void Blank(std::string& out) const override { Invalid(out, "", ""); }

private:
    const CsvStyle& style_;
    ValueKind kind_;
};

} // namespace

std::unique_ptr<ValueWriter> MakeValueWriter(Format format, ValueKind kind, ValueSource source)
{
    switch (format) {
    case Format::Text:
        if (source == ValueSource::Arguments)
            return std::make_unique<ReportWriter>();
        return std::make_unique<LineWriter>();
    case Format::Json:
        return std::make_unique<JsonValueWriter>();
    case Format::Csv:
    case Format::Excel:
        return std::make_unique<CsvValueWriter>(*CsvStyleOf(format), kind);
    }
    return nullptr;
}
