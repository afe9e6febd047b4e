#include "form/FieldKeys.h"

namespace {

bool IsPrintable(char32_t c)
{
    return c >= U' ' && !(c >= 0x7F && c < 0xA0);
}

// Ctrl with a character is a command; AltGr arrives as Ctrl+Alt and types.
bool TypesText(const FieldKeyPress& press)
{
    if (press.control && !press.alt)
        return false;
    if (press.text.empty())
        return false;
    for (char32_t c : press.text) {
        if (!IsPrintable(c))
            return false;
    }
    return true;
}

} // namespace

FieldKeyOutcome PressKey(MaskEditModel& field, const FieldKeyPress& press)
{
    const bool extend = press.shift;
    switch (press.key) {
    case FieldKey::Text:
        if (!TypesText(press))
            return {false, std::nullopt};
        for (char32_t c : press.text)
            field.TypeChar(c);
        break;
    case FieldKey::Left:
        press.control ? field.WordLeft(extend) : field.MoveLeft(extend);
        break;
    case FieldKey::Right:
        press.control ? field.WordRight(extend) : field.MoveRight(extend);
        break;
    case FieldKey::Home:
        field.Home(extend);
        break;
    case FieldKey::End:
        field.End(extend);
        break;
    case FieldKey::Up:
    case FieldKey::Down:
        break;
    case FieldKey::Backspace:
        field.Backspace();
        break;
    case FieldKey::Delete:
        // Shift+Delete cuts, which is the front end's clipboard.
        if (press.shift)
            return {false, std::nullopt};
        field.Delete();
        break;
    case FieldKey::Enter:
        // Nothing for the field to do with it otherwise: the window may act on it.
        return {false, field.RefuseIncomplete()};
    case FieldKey::Escape:
        return {field.Escape(), std::nullopt};
    case FieldKey::SelectAll:
        field.SelectAll();
        break;
    case FieldKey::Other:
        return {false, std::nullopt};
    }
    return {};
}
