#include "form/StatusBinding.h"

#include "core/Cp1251.h"
#include "core/StatusRecord.h"
#include "form/FieldRules.h"

#include <utility>

StatusBinding::StatusBinding(MaskEditModel& field) : field_(field), lastText_(kInitialStatusText)
{
    // The field is created showing this text, so no handler runs here.
    for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex)
        boxes_[Index(byteIndex, kAlwaysSetBit)] = true;
    field_.BindRule([this] { FieldChanged(); });
    field_.JudgePaste = &JudgeStatusPaste;
}

void StatusBinding::ShowPendingReceiptState()
{
    if (const auto state = std::exchange(pendingReceiptState_, std::nullopt); state && OnReceiptStateShown)
        OnReceiptStateShown(*state);
}

void StatusBinding::FieldChanged()
{
    const auto scope = Scope();
    if (!AcceptFieldChange(field_, lastText_))
        return;
    for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex)
        ShowStatusByte(byteIndex);
}

void StatusBinding::FieldKeyUp()
{
    const auto scope = Scope();
    if (const auto changed = AcceptFieldChange(field_, lastText_))
        ShowStatusByte(StatusByteAtOffset(*changed));
}

void StatusBinding::ShowStatusByte(int byteIndex)
{
    // The field shows the last accepted text here: every handler writes that
    // first and the field only from it. A field with no digit to read leaves
    // its panel as it is.
    const auto value = ScanStatusByte(lastText_, byteIndex);
    if (!value)
        return;
    for (int bit = 0; bit < kAlwaysSetBit; ++bit)
        SetChecked(byteIndex, bit, (*value >> bit) & 1u);
    SetChecked(byteIndex, kAlwaysSetBit, true);
    if (byteIndex == kReceiptStateByte)
        SelectReceiptState(ReceiptStateOf(*value));
}

void StatusBinding::SetChecked(int byteIndex, int bit, bool checked)
{
    bool& box = boxes_.at(Index(byteIndex, bit));
    if (box == checked)
        return;
    box = checked;
    if (OnBoxChanged)
        OnBoxChanged(byteIndex, bit, checked);
    PanelClick(byteIndex);
}

void StatusBinding::PanelClick(int byteIndex)
{
    const auto scope = Scope();
    // While the list sets the receipt-state boxes, it writes the byte itself.
    if (byteIndex == kReceiptStateByte && comboUpdating_)
        return;
    SetChecked(byteIndex, kAlwaysSetBit, true);
    const unsigned value = PanelValue(byteIndex);
    WriteStatusByte(lastText_, byteIndex, value);
    WriteField();
    if (byteIndex == kReceiptStateByte)
        SelectReceiptState(ReceiptStateOf(value));
}

unsigned StatusBinding::PanelValue(int byteIndex) const
{
    unsigned value = kAlwaysSetValue;
    for (int bit = 0; bit < kAlwaysSetBit; ++bit) {
        if (Checked(byteIndex, bit))
            value |= 1u << bit;
    }
    return value;
}

void StatusBinding::WriteField()
{
    field_.SetText(FromCp1251(lastText_));
}

void StatusBinding::SelectReceiptState(int state)
{
    receiptState_ = state;
    // Showing an entry costs a text layout; nested runs may select several.
    pendingReceiptState_ = state;
}

void StatusBinding::Open(std::u32string_view line)
{
    field_.Paste(line);
    field_.PlaceCaret(0);
}

void StatusBinding::ReceiptStateChosen(int state)
{
    const auto scope = Scope();
    SelectReceiptState(state);
    comboUpdating_ = true;
    const struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{comboUpdating_};
    for (int bit = 0; bit < kReceiptStateBits; ++bit)
        SetChecked(kReceiptStateByte, bit, (state >> bit) & 1);
    // Only the low digit changes, as long as byte 2 holds two digits. A
    // pasted field such as "A " read as 0A: writing the digit alone would turn
    // it into A9, which its boxes do not show; the whole byte is written then.
    if (HoldsTwoHexDigits(lastText_, kReceiptStateByte))
        WriteReceiptStateDigit(lastText_, state);
    else
        WriteStatusByte(lastText_, kReceiptStateByte, PanelValue(kReceiptStateByte));
    WriteField();
}
