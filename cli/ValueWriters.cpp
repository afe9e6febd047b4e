#include "cli/ValueWriters.h"

#include "cli/Json.h"
#include "cli/Output.h"
#include "cli/OutputParts.h"
#include "core/Diagnostics.h"
#include "core/Explanation.h"
#include "translations/Language.h"

#include <algorithm>
#include <limits>

void ValueWriter::Header(std::string&) const {}

// A value given as arguments that could not be read gives nothing on
// standard output: the note on standard error says why.
void ValueWriter::Invalid(std::string&, std::string_view, std::string_view) const {}

namespace {

// A stream's line that cannot be read: the input as notes show it, and "!"
// where an answer would begin, which no answer does.
void AppendInvalidLine(std::string& out, std::string_view input, std::string_view why)
{
    AppendEscaped(out, input, std::numeric_limits<std::size_t>::max());
    out += "\t! ";
    out += why;
    out += '\n';
}

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
    void Invalid(std::string& out, std::string_view input, std::string_view why) const override
    {
        AppendInvalidLine(out, input, why);
    }
    void Blank(std::string& out) const override { out += '\n'; }
};

// The explanation in a few words; in a stream on one line, its lines split by tabs.
class BriefWriter : public ValueWriter {
public:
    explicit BriefWriter(ValueSource source) : oneLine_(source == ValueSource::Lines) {}

    void Status(std::string& out, std::string_view, const StatusBytes& bytes) const override
    {
        Append(out, ExplainStatus(bytes, CurrentTranslation()));
    }
    std::string Message(const std::string&) const override { return {}; }
    void Code(std::string& out, std::string_view, const ErrorCode& code, std::string_view) const override
    {
        const std::string hex = Hex2(static_cast<unsigned>(code.detail)) + Hex2(static_cast<unsigned>(code.errorClass));
        Append(out, ExplainErrorCode(hex, CurrentTranslation()).value_or(std::string()));
    }
    void Invalid(std::string& out, std::string_view input, std::string_view why) const override
    {
        if (oneLine_)
            AppendInvalidLine(out, input, why);
    }
    void Blank(std::string& out) const override { out += '\n'; }

private:
    void Append(std::string& out, std::string explanation) const
    {
        if (oneLine_)
            std::replace(explanation.begin(), explanation.end(), '\n', '\t');
        out += explanation;
        out += '\n';
    }

    bool oneLine_;
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
    case Format::Brief:
        return std::make_unique<BriefWriter>(source);
    case Format::Json:
        return std::make_unique<JsonValueWriter>();
    case Format::Csv:
    case Format::Excel:
        return std::make_unique<CsvValueWriter>(*CsvStyleOf(format), kind);
    }
    return nullptr;
}
