#include "form/FieldRules.h"

#include "core/Cp1251.h"
#include "core/ErrorCodes.h"
#include "core/Explanation.h"
#include "core/HexText.h"
#include "core/StatusLine.h"

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

std::optional<std::u32string> StatusLineText(std::u32string_view clip)
{
    // Any character past ASCII makes it no line.
    const auto line = ReadStatusLine(ToCp1251(clip));
    if (!line)
        return std::nullopt;
    return std::u32string(line->text.begin(), line->text.end());
}

std::string ExplainFields(const MaskEditModel& status, const MaskEditModel& code, TextTranslation translate)
{
    std::string text;
    if (const auto line = ReadStatusLine(ToCp1251(status.Text())))
        text = ExplainStatus(line->bytes, translate);
    if (const auto explained = ExplainErrorCode(ToCp1251(code.Text()), translate))
        text += (text.empty() ? "" : "\n\n") + *explained;
    return text;
}
