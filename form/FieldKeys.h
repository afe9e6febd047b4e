#pragma once

#include "form/MaskEditModel.h"

#include <optional>
#include <string_view>

// The keys a masked field acts on, as every front end hands them over: the
// window from Qt's key events, the page from the browser's key names. Copy,
// cut and paste are not among them: each front end reaches its own clipboard.
enum class FieldKey { Text, Left, Right, Home, End, Up, Down, Backspace, Delete, Enter, Escape, SelectAll, Other };

struct FieldKeyPress {
    FieldKey key = FieldKey::Other;
    // What the key types, for FieldKey::Text.
    std::u32string_view text = {};
    bool shift = false;
    // Ctrl (Cmd): a letter with it is a command, an arrow moves by words.
    bool control = false;
    // Alt: with Ctrl it is AltGr, which types characters.
    bool alt = false;
};

struct FieldKeyOutcome {
    // False: the field does nothing with the key, which may go on to the
    // window or the browser.
    bool handled = true;
    // Enter refused an entry with an empty position, now highlighted; each
    // front end says so its own way.
    std::optional<int> incompleteAt;
};

FieldKeyOutcome PressKey(MaskEditModel& field, const FieldKeyPress& press);
