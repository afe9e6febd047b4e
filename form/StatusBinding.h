#pragma once

#include "core/StatusFlagCatalogue.h"
#include "form/MaskEditModel.h"
#include "form/OutermostScope.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The status field, the 48 flag boxes and the receipt-state list kept in
// step, without any widget: the window and the web page both run it.
//
// Setting a box runs its panel's handler at once, as a control's click
// would, and every handler writes the field from the last accepted text, so
// handlers run inside one another: a typed digit ticks boxes, each box
// rewrites the field, whose change runs the field's handler again. Only the
// final state is ever seen, so the list's entry is shown once, when the
// outermost handler returns.
class StatusBinding {
public:
    // `field` is the status field: its changes run FieldChanged, and a whole
    // status line pasted in any form people copy one replaces it.
    explicit StatusBinding(MaskEditModel& field);

    // A box changed state; the view mirrors it without calling back.
    std::function<void(int byteIndex, int bit, bool checked)> OnBoxChanged;
    // The list is to show this entry (once per outermost handler).
    std::function<void(int state)> OnReceiptStateShown;

    bool Checked(int byteIndex, int bit) const { return boxes_[Index(byteIndex, bit)]; }
    // The entry the list shows.
    int ReceiptState() const { return receiptState_; }
    const std::string& LastStatusText() const { return lastText_; }
    bool ComboUpdating() const { return comboUpdating_; }

    // The field's text changed (the field's change event).
    void FieldChanged();
    // A key came up in the field: only the byte at the change is read.
    void FieldKeyUp();
    // A box is set, by the user or from code; a change runs its panel's handler.
    void SetChecked(int byteIndex, int bit, bool checked);
    // The user chose an entry of the list.
    void ReceiptStateChosen(int state);
    // A status line put in as pasted, the caret then on the first digit as
    // after an assignment, so that typing replaces it at once: what a link,
    // the command line or a log's row opens the field with.
    void Open(std::u32string_view line);

    // The byte a panel's boxes stand for; bit 7 is always set.
    unsigned PanelValue(int byteIndex) const;

private:
    static std::size_t Index(int byteIndex, int bit) { return static_cast<std::size_t>(byteIndex * kBitsPerByte + bit); }

    // Handlers run inside one another; the list's entry is shown once the
    // outermost is done.
    auto Scope() { return OutermostScope(depth_, [this] { ShowPendingReceiptState(); }); }
    void ShowPendingReceiptState();

    void PanelClick(int byteIndex);
    void ShowStatusByte(int byteIndex);
    void WriteField();
    void SelectReceiptState(int state);

    MaskEditModel& field_;
    std::string lastText_;
    std::array<bool, kStatusByteCount * kBitsPerByte> boxes_{};
    int receiptState_ = 0;
    std::optional<int> pendingReceiptState_;
    bool comboUpdating_ = false;
    int depth_ = 0;
};
