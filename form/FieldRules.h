#pragma once

#include "core/Translatable.h"
#include "form/MaskEditModel.h"

#include <optional>
#include <string>

// Rules of the two entry fields that the window and the web page share.

// Takes a change of `field` against `lastText` (the field's text in its 8-bit
// code page, one byte per position) when its first changed character, or the
// one a keystroke typed over a selection, is a hexadecimal digit; else puts
// `lastText` back and highlights the position judged. Returns the offset of
// the change taken.
std::optional<int> AcceptFieldChange(MaskEditModel& field, std::string& lastText);

// How the status field and the code field take a clipboard text: a whole
// status line in any form people copy one, or a code written 0x0501, goes
// in whole; one with a look-alike letter or the wrong number of bytes is
// refused with its reason; anything else goes in piece by piece.
MaskEditModel::PasteJudgement JudgeStatusPaste(std::u32string_view clip);
MaskEditModel::PasteJudgement JudgeCodePaste(std::u32string_view clip);

// The status field and the code the row translated, in words, a blank line
// between them: what the boxes and the label show, never more. A status
// field that cannot be read whole says why and explains what can be read;
// the code's line stands only once a code was translated.
struct FieldsExplained {
    std::string text;
    // Whether anything was read: a byte of the status field, or a code.
    bool read = false;
};
FieldsExplained ExplainFields(const MaskEditModel& status, const std::optional<std::string>& translatedCode, TextTranslation translate);
