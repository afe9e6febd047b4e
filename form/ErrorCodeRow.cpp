#include "form/ErrorCodeRow.h"

#include "core/Cp1251.h"
#include "core/ErrorCodes.h"
#include "form/FieldRules.h"
#include "form/Form1Controls.h"

ErrorCodeRow::ErrorCodeRow(MaskEditModel& field) : field_(field), lastText_(kInitialErrorCodeText)
{
    field_.JudgePaste = &JudgeCodePaste;
}

void ErrorCodeRow::KeyUp()
{
    AcceptFieldChange(field_, lastText_);
}

bool ErrorCodeRow::Translate(TextTranslation translate)
{
    translated_ = ToCp1251(field_.Text());
    const std::optional<std::string> description = DescribeErrorCode(translated_, translate);
    description_ = description.value_or(std::string());
    return description.has_value();
}

bool ErrorCodeRow::Open(std::u32string_view code, TextTranslation translate)
{
    field_.PlaceCaret(0);
    field_.Paste(code);
    KeyUp();
    // As after an assignment: typing replaces the code at once.
    field_.PlaceCaret(0);
    return Translate(translate);
}

std::optional<std::string> ErrorCodeRow::TranslatedCode() const
{
    return description_.empty() ? std::nullopt : std::optional(translated_);
}

void ErrorCodeRow::Retranslate(TextTranslation translate)
{
    if (!description_.empty())
        description_ = DescribeErrorCode(translated_, translate).value_or(std::string());
}
