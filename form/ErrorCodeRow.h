#pragma once

#include "core/Translatable.h"
#include "form/FieldKeys.h"
#include "form/MaskEditModel.h"

#include <optional>
#include <string>
#include <string_view>

// The error code row without widgets: the code field's key filter, which
// keeps the last accepted text, and the translation of the field's code
// into the description the row shows. The window and the web page both
// run it.
class ErrorCodeRow {
public:
    // `field` is the code field, created showing its initial code.
    explicit ErrorCodeRow(MaskEditModel& field);

    // A key came up in the field: a change whose first changed character is
    // no hexadecimal digit is put back.
    void KeyUp();
    // Enter in the field translates, as the button does; the field's own
    // handling of the key follows.
    static bool Translates(FieldKey key) { return key == FieldKey::Enter; }
    // The field's code described. False for a text that is no code: the
    // front end says kInvalidErrorCodeMessage, and the description is empty.
    bool Translate(TextTranslation translate);
    // A code put in as typed from the first position, taken as the key
    // filter takes a change, and translated: what a link or the command
    // line opens the row with.
    bool Open(std::u32string_view code, TextTranslation translate);
    // The description shown, said again in another language.
    void Retranslate(TextTranslation translate);

    // The field's text as last accepted, in its 8-bit code page.
    const std::string& LastText() const { return lastText_; }
    // What the row's label shows.
    const std::string& Description() const { return description_; }
    // The code the label describes, in the field's 8-bit code page; nothing
    // before a code was translated, or after a text that is no code.
    std::optional<std::string> TranslatedCode() const;

private:
    MaskEditModel& field_;
    std::string lastText_;
    // The field's text the description was made of.
    std::string translated_;
    std::string description_;
};
