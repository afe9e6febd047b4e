#pragma once

#include "core/Formats.h"
#include "core/ErrorCodes.h"
#include "core/Reading.h"
#include "core/RecordWriter.h"
#include "core/StatusLine.h"

#include <string>
#include <string_view>

// A value given to be explained, taken one way by regalo-decode and the C
// library alike: refused when far too long, trimmed, read as its kind, and
// why it cannot be read said in `ownWords`.
struct GivenValue {
    ValueKind kind;
    std::string_view input; // trimmed; cut to kMaxValueLength where longer
    bool read = false;
    StatusBytes bytes{};
    ErrorCode code{};
    std::string why;
};
// Read at once where it is in its usual form, as nearly every value is;
// ReadGivenValueFully reads any other and says why one cannot be read.
void ReadGivenValueFully(GivenValue& value, std::string_view given, TextTranslation ownWords);
// `value` is reused from one line to the next where values come in lines.
inline void ReadGivenValue(GivenValue& value, ValueKind kind, std::string_view given, TextTranslation ownWords)
{
    value.kind = kind;
    value.read = false;
    if (given.size() <= kMaxValueLength) {
        value.input = Trimmed(given);
        if (kind == ValueKind::Status) {
            value.read = ReadFieldForm(value.input, value.bytes);
        } else if (const auto code = ReadErrorCode(value.input, CodeLetters::EitherCase)) {
            value.code = *code;
            value.read = true;
        }
        if (value.read)
            return;
    }
    value.why.clear();
    ReadGivenValueFully(value, given, ownWords);
}
inline GivenValue ReadGivenValue(ValueKind kind, std::string_view given, TextTranslation ownWords)
{
    GivenValue value;
    ReadGivenValue(value, kind, given, ownWords);
    return value;
}

// The value as `writer` writes it, or one that cannot be read as it writes
// one; a code's message from `messages` where the caller keeps them.
inline void WriteGivenValue(const FormatWriter& writer, const GivenValue& value, std::string& out, CodeMessages* messages = nullptr)
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

// "regalo-decode: строка 12: "80 80": неверное число байтов: 2 вместо 6"
// and its line end; `line` is the words before the line's number and
// after it, empty for a value given as an argument.
struct LineWords {
    std::string_view before;
    std::string_view after;
};
void AppendNote(std::string& note, std::string_view program, std::uint64_t lineNumber, const LineWords& line,
                std::string_view value, std::string_view why);
