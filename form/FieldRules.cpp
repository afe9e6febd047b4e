#include "form/FieldRules.h"

#include "core/Cp1251.h"
#include "core/ErrorCodes.h"
#include "core/Explanation.h"
#include "core/HexText.h"
#include "core/Paste.h"
#include "core/Reading.h"
#include "core/StatusLine.h"
#include "core/Utf8.h"

#include <algorithm>
#include <utility>

std::optional<int> AcceptFieldChange(MaskEditModel& field, std::string& lastText)
{
    // Most runs, nested ones above all, find the field as it was: no copy then.
    if (EqualsCp1251(field.Text(), lastText))
        return std::nullopt;
    const std::string text = ToCp1251(field.Text());
    int changed = FirstDifference(text, lastText, field.Length());
    if (changed < 0)
        return std::nullopt;
    // A digit typed over a selection equal to the one it replaced leaves the
    // first difference at a blank emptied behind it; the keystroke is judged
    // where it typed.
    if (const auto typed = field.TypedOffset(); typed && *typed < changed)
        changed = *typed;
    if (static_cast<std::size_t>(changed) >= text.size() || !IsHexDigitChar(text[static_cast<std::size_t>(changed)])) {
        field.SetText(FromCp1251(lastText));
        lastText = ToCp1251(field.Text());
        // An assignment highlights the first position; the user goes on
        // where the refused key acted instead.
        field.PlaceCaret(changed);
        return std::nullopt;
    }
    lastText = text;
    return changed;
}

namespace {

MaskEditModel::PasteJudgement Judged(const PastedValue& pasted)
{
    if (pasted.value)
        return {FromUtf8(*pasted.value), std::nullopt};
    return {std::nullopt, pasted.problem};
}

} // namespace

MaskEditModel::PasteJudgement JudgeStatusPaste(std::u32string_view clip)
{
    return Judged(PastedStatusLine(ToUtf8(clip)));
}

MaskEditModel::PasteJudgement JudgeCodePaste(std::u32string_view clip)
{
    return Judged(PastedErrorCode(ToUtf8(clip)));
}

FieldsExplained ExplainFields(const MaskEditModel& status, const std::optional<std::string>& translatedCode, TextTranslation translate)
{
    const StatusFieldReading reading = ReadStatusField(status.Text());
    FieldsExplained explained{ExplainStatusField(status.Text(), translate), false};
    explained.read = std::find(reading.read.begin(), reading.read.end(), true) != reading.read.end();
    if (translatedCode) {
        if (const auto line = ExplainErrorCode(*translatedCode, translate)) {
            explained.text += "\n\n" + *line;
            explained.read = true;
        }
    }
    return explained;
}
