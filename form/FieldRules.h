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

// A clipboard text that is a whole status line, in any form people copy one,
// as the status field shows it (the status field's WholeTextOf).
std::optional<std::u32string> StatusLineText(std::u32string_view clip);

// The status field's line and the code field's code explained in words, a
// blank line between them; what is not a whole line or a code is left out.
std::string ExplainFields(const MaskEditModel& status, const MaskEditModel& code, TextTranslation translate);
