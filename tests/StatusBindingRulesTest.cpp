#include "form/Form1Controls.h"
#include "form/MaskEditModel.h"
#include "form/StatusBinding.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// The binding without a window, as the web page runs it: the field's change
// comes back through FieldChanged, the list is shown once per user action.
struct Bound {
    MaskEditModel field{std::u32string(kStatusEditMask, kStatusEditMask + sizeof kStatusEditMask - 1)};
    StatusBinding binding{field};
    int listShown = 0;

    Bound()
    {
        field.SetText(U"80 80 80 80 80 80");
        field.OnChange = [this] { binding.FieldChanged(); };
        binding.OnReceiptStateShown = [this](int) { ++listShown; };
    }
    std::string Text() const { return {field.Text().begin(), field.Text().end()}; }
};

TEST(StatusBindingRules, EachActionEndsInOneStateShownOnce)
{
    const struct {
        const char* name;
        std::function<void(Bound&)> act;
        const char* text;
        int byte2Value;
        int state;
        int listShown; // once per keystroke or click, however deep the handlers ran
    } cases[] = {
        {"typed byte 2", [](Bound& b) { b.field.PlaceCaret(6); b.field.TypeChar(U'9'); b.field.TypeChar(U'7'); b.binding.FieldKeyUp(); },
         "80 80 97 80 80 80", 0x97, 7, 2},
        {"list entry 5", [](Bound& b) { b.binding.ReceiptStateChosen(5); }, "80 80 85 80 80 80", 0x85, 5, 1},
        {"bit 7 cleared", [](Bound& b) { b.binding.SetChecked(2, 7, false); }, "80 80 80 80 80 80", 0x80, 0, 1},
        {"pasted line", [](Bound& b) { b.field.SelectAll(); b.field.Paste(U"81 89 8C 80 80 80"); }, "81 89 8C 80 80 80", 0x8C, 12, 1},
    };
    for (const auto& c : cases) {
        Bound bound;
        c.act(bound);
        EXPECT_EQ(bound.Text(), c.text) << c.name;
        EXPECT_EQ(static_cast<int>(bound.binding.PanelValue(2)), c.byte2Value) << c.name;
        EXPECT_EQ(bound.binding.ReceiptState(), c.state) << c.name;
        EXPECT_EQ(bound.listShown, c.listShown) << c.name;
    }
}

} // namespace
