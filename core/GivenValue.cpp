#include "core/GivenValue.h"

#include "core/Diagnostics.h"

#include <charconv>

void ReadGivenValueFully(GivenValue& value, std::string_view given, TextTranslation ownWords)
{
    InputProblem problem{};
    if (given.size() > kMaxValueLength) {
        // Named by its start, in whole characters: what is shown stays small.
        std::size_t end = kMaxValueLength;
        while (end > 0 && (static_cast<unsigned char>(given[end]) & 0xC0u) == 0x80u)
            --end;
        value.input = given.substr(0, end);
        problem.kind = InputProblem::Kind::TooLong;
        problem.count = kMaxValueLength;
    } else if (value.kind == ValueKind::Status) {
        value.read = ParseStatusLine(value.input, value.bytes, problem);
    } else {
        value.read = ParseErrorCode(value.input, value.code, problem);
    }
    if (!value.read)
        value.why = Phrased(problem, ownWords);
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
