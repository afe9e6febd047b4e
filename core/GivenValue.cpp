#include "core/GivenValue.h"

#include "core/Diagnostics.h"
#include "core/RecordWriter.h"

#include <charconv>

GivenValue ReadGivenValue(ValueKind kind, std::string_view given, TextTranslation ownWords)
{
    GivenValue value;
    value.kind = kind;
    InputProblem problem{};
    if (given.size() > kMaxValueLength) {
        // Named by its start, in whole characters: what is shown stays small.
        std::size_t end = kMaxValueLength;
        while (end > 0 && (static_cast<unsigned char>(given[end]) & 0xC0u) == 0x80u)
            --end;
        value.input = given.substr(0, end);
        problem.kind = InputProblem::Kind::TooLong;
        problem.count = kMaxValueLength;
    } else {
        value.input = Trimmed(given);
        if (kind == ValueKind::Status) {
            value.read = ParseStatusLine(value.input, value.bytes, problem);
        } else if (const auto code = ReadErrorCode(value.input, CodeLetters::EitherCase)) {
            // Nearly every code is four digits: read so, at once.
            value.code = *code;
            value.read = true;
        } else {
            value.read = ParseErrorCode(value.input, value.code, problem);
        }
    }
    if (!value.read)
        value.why = Phrased(problem, ownWords);
    return value;
}

void WriteGivenValue(const FormatWriter& writer, const GivenValue& value, std::string& out, CodeMessages* messages)
{
    if (!value.read)
        writer.Invalid(out, value.input, value.why);
    else if (value.kind == ValueKind::Status)
        writer.Status(out, value.input, value.bytes);
    else if (messages != nullptr)
        writer.Code(out, value.input, value.code, messages->Of(value.code));
    else
        writer.Code(out, value.input, value.code, writer.Message(value.code));
}

void AppendNote(std::string& note, std::string_view program, std::uint64_t lineNumber, const LineWords& line,
                std::string_view value, std::string_view why)
{
    note += program;
    note += ": ";
    if (lineNumber > 0) {
        char digits[24];
        note += line.before;
        note.append(digits, std::to_chars(digits, digits + sizeof digits, lineNumber).ptr);
        note += line.after;
    }
    AppendQuoted(note, value);
    note += ": ";
    note += why;
    note += '\n';
}
