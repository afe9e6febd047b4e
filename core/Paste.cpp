#include "core/Paste.h"

#include "core/ReadingRules.h"
#include "core/Scan.h"
#include "core/Utf8.h"

#include <algorithm>
#include <vector>

namespace {

// Hex digits, blanks, separators and 0x prefixes, nothing else.
bool IsAPiece(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t prefix = HexPrefixAt(text, i)) {
            i += prefix;
            continue;
        }
        if (!IsHexDigitChar(text[i]) && !IsBlank(text[i]) && !IsPunctuationSeparator(text[i]))
            return false;
        ++i;
    }
    return true;
}

std::string FieldText(const FoundReading& reading)
{
    if (reading.kind == FoundReading::Kind::Error)
        return ErrorCodeText(reading.code);
    return StatusHexText(reading.bytes);
}

// The one value of the field's kind a piece of a log holds, line by line.
PastedValue FromALog(std::string_view utf8, bool status)
{
    std::vector<FoundReading> found;
    std::size_t start = 0;
    while (start <= utf8.size()) {
        const std::size_t end = std::min(utf8.find_first_of("\r\n", start), utf8.size());
        FindReadings(utf8.substr(start, end - start), false, found);
        start = end + 1;
    }
    const auto wanted = status ? FoundReading::Kind::Status : FoundReading::Kind::Error;
    const auto ofTheField = [&](const FoundReading& reading) {
        return reading.kind == wanted || (reading.kind == FoundReading::Kind::Unreadable && reading.statusLike == status);
    };
    const auto first = std::find_if(found.begin(), found.end(), ofTheField);
    if (first == found.end()) {
        const auto other = std::find_if(found.begin(), found.end(), [](const FoundReading& reading) {
            return reading.kind != FoundReading::Kind::Unreadable;
        });
        if (other == found.end())
            return {std::nullopt, InputProblem{status ? InputProblem::Kind::NoStatusLine : InputProblem::Kind::NoCode, 0, 0, {}}};
        return {std::nullopt, InputProblem{status ? InputProblem::Kind::CodeNotStatusLine : InputProblem::Kind::StatusLineNotCode, 0, 0,
                                           FieldText(*other)}};
    }
    const auto count = static_cast<std::size_t>(std::count_if(found.begin(), found.end(), ofTheField));
    const bool allTheSame = std::all_of(found.begin(), found.end(), [&](const FoundReading& reading) {
        return !ofTheField(reading) || (reading.kind == wanted && FieldText(reading) == FieldText(*first));
    });
    if (first->kind == FoundReading::Kind::Unreadable && count == 1)
        return {std::nullopt, first->problem};
    if (!allTheSame || first->kind == FoundReading::Kind::Unreadable)
        return {std::nullopt, InputProblem{status ? InputProblem::Kind::SeveralStatusLines : InputProblem::Kind::SeveralCodes, 0, count, {}}};
    return {FieldText(*first), std::nullopt};
}

} // namespace

bool OpensAsALog(std::string_view utf8, const InputProblem& refused)
{
    if (refused.kind != InputProblem::Kind::SeveralStatusLines && refused.kind != InputProblem::Kind::SeveralCodes)
        return false;
    const std::string_view text = Trimmed(utf8);
    return text.find_first_of("\r\n") != std::string_view::npos;
}

PastedValue PastedStatusLine(std::string_view utf8)
{
    if (const auto line = ReadStatusLine(utf8))
        return {std::string(line->text.begin(), line->text.end()), std::nullopt};
    const std::string_view trimmed = Trimmed(utf8);
    if (HasTheShapeOfAStatusLine(FromUtf8(trimmed))) {
        StatusBytes bytes{};
        InputProblem problem{};
        ParseStatusLine(utf8, bytes, problem);
        return {std::nullopt, problem};
    }
    if (IsAPiece(trimmed))
        return {};
    return FromALog(utf8, true);
}

PastedValue PastedErrorCode(std::string_view utf8)
{
    const std::string_view trimmed = Trimmed(utf8);
    const std::u32string text = FromUtf8(trimmed);
    const std::size_t prefix = LooseHexPrefixAt(std::u32string_view(text), 0);
    const std::u32string_view code = std::u32string_view(text).substr(prefix);
    if (code.size() == kErrorCodeLength && std::all_of(code.begin(), code.end(), IsLetterOrDigitOfAReading)) {
        // Four digits as they stand are typed in, as any paste is.
        if (prefix == 0 && IsAPiece(trimmed))
            return {};
        ErrorCode read{};
        InputProblem problem{};
        if (ParseErrorCode(trimmed, read, problem))
            return {ToUtf8(code), std::nullopt};
        return {std::nullopt, problem};
    }
    if (IsAPiece(trimmed))
        return {};
    return FromALog(utf8, false);
}
