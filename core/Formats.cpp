#include "core/Formats.h"

#include "core/Diagnostics.h"

#include <limits>

void FormatWriter::Header(std::string&) const {}

void FormatWriter::Invalid(std::string&, std::string_view, std::string_view) const {}

void AppendInvalidLine(std::string& out, std::string_view input, std::string_view why)
{
    AppendEscaped(out, input, std::numeric_limits<std::size_t>::max());
    out += "\t! ";
    out += why;
    out += '\n';
}

std::unique_ptr<FormatWriter> MakeFormatWriter(Format format, ValueKind kind, ValueSource source, TextTranslation translate)
{
    switch (format) {
    case Format::Text:
        return MakeTextWriter(source, translate);
    case Format::Brief:
        // A log's readings are already written in a few words.
        if (kind == ValueKind::LogReading || kind == ValueKind::LogSummary)
            return MakeTextWriter(source, translate);
        return MakeBriefWriter(source, translate);
    case Format::Json:
        return MakeJsonWriter(translate, kind == ValueKind::ErrorCode && source == ValueSource::Lines);
    case Format::Csv:
    case Format::Excel:
        return MakeCsvWriter(format, kind, translate);
    }
    return nullptr;
}
