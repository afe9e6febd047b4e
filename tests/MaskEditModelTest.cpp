#include "form/FieldKeys.h"
#include "form/MaskEditModel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const char32_t kStatusMask[] = U"AA\\ AA\\ AA\\ AA\\ AA\\ AA;1;";
const char32_t kCodeMask[] = U"AAAA;1; ";

using Step = std::function<void(MaskEditModel&)>;

// Keys go through the one key table every front end uses.
Step Key(FieldKey key, bool shift = false, bool control = false, bool alt = false, std::u32string text = {})
{
    return [=](MaskEditModel& m) { PressKey(m, {key, text, shift, control, alt}); };
}
Step Type(std::u32string text, bool control = false, bool alt = false)
{
    return [=](MaskEditModel& m) {
        for (char32_t c : text)
            PressKey(m, {FieldKey::Text, std::u32string(1, c), false, control, alt});
    };
}
Step At(int offset) { return [offset](MaskEditModel& m) { m.PlaceCaret(offset); }; }
Step Sel(int anchor, int active) { return [=](MaskEditModel& m) { m.Select(anchor, active); }; }
Step Paste(std::u32string clip) { return [clip](MaskEditModel& m) { m.Paste(clip); }; }
const Step kBackspace = Key(FieldKey::Backspace);
const Step kDelete = Key(FieldKey::Delete);
const Step kLeft = Key(FieldKey::Left);
const Step kRight = Key(FieldKey::Right);
const Step kShiftLeft = Key(FieldKey::Left, true);
const Step kShiftRight = Key(FieldKey::Right, true);
const Step kHome = Key(FieldKey::Home);
const Step kEnd = Key(FieldKey::End);
const Step kShiftHome = Key(FieldKey::Home, true);
const Step kShiftEnd = Key(FieldKey::End, true);
const Step kEscape = Key(FieldKey::Escape);
const Step kCut = [](MaskEditModel& m) { m.Cut(); };

struct EditCase {
    const char* name;
    const char32_t* mask;
    std::u32string initial;
    std::vector<Step> steps;
    std::u32string display;
    int selStart;
    int selLength;
    bool modified;
    int changes;
    int beeps;
};

void PrintTo(const EditCase& c, std::ostream* os)
{
    *os << c.name;
}

class MaskEditSequence : public testing::TestWithParam<EditCase> {};

TEST_P(MaskEditSequence, EndsAsExpected)
{
    const EditCase& c = GetParam();
    MaskEditModel model(c.mask);
    model.SetText(c.initial);
    int changes = 0;
    int beeps = 0;
    model.OnChange = [&] { ++changes; };
    model.OnBeep = [&] { ++beeps; };
    for (const Step& step : c.steps)
        step(model);
    EXPECT_EQ(model.DisplayText(), c.display);
    EXPECT_EQ(model.SelStart(), c.selStart);
    EXPECT_EQ(model.SelLength(), c.selLength);
    EXPECT_EQ(model.Modified(), c.modified);
    EXPECT_EQ(changes, c.changes);
    EXPECT_EQ(beeps, c.beeps);
}

const std::u32string k80 = U"80 80 80 80 80 80";

INSTANTIATE_TEST_SUITE_P(
    Keys, MaskEditSequence,
    testing::Values(
        EditCase{"TypeOverwritesAndMovesOn", kStatusMask, k80, {Type(U"A")}, U"A0 80 80 80 80 80", 1, 1, true, 1, 0},
        EditCase{"CtrlWithALetterIsACommand", kStatusMask, k80, {Type(U"1", true)}, k80, 0, 1, false, 0, 0},
        EditCase{"AltGrTypes", kStatusMask, k80, {Type(U"1", true, true)}, U"10 80 80 80 80 80", 1, 1, true, 1, 0},
        EditCase{"CtrlRightMovesByWords", kStatusMask, k80, {Key(FieldKey::Right, false, true), Key(FieldKey::Right, false, true)}, k80, 6, 0, false, 0, 0},
        EditCase{"SelectAll", kStatusMask, k80, {Key(FieldKey::SelectAll)}, k80, 0, 17, false, 0, 0},
        EditCase{"ShiftDeleteIsTheClipboards", kStatusMask, k80, {At(4), Key(FieldKey::Delete, true)}, k80, 4, 1, false, 0, 0},
        EditCase{"TypeSkipsTheLiteral", kStatusMask, k80, {Type(U"12")}, U"12 80 80 80 80 80", 3, 1, true, 2, 0},
        EditCase{"LowerCaseAndCyrillicStay", kStatusMask, k80, {Type(U"cЖ")}, U"cЖ 80 80 80 80 80", 3, 1, true, 2, 0},
        EditCase{"PunctuationBeeps", kStatusMask, k80, {Type(U"-!№")}, k80, 0, 1, false, 0, 3},
        EditCase{"SpaceJumpsToTheNextGroup", kStatusMask, k80, {Type(U" ")}, k80, 3, 1, false, 0, 0},
        EditCase{"SpaceInTheLastGroupBeeps", kStatusMask, k80, {At(16), Type(U" ")}, k80, 16, 1, false, 0, 1},
        EditCase{"SpaceMidGroupJumps", kStatusMask, k80, {At(4), Type(U" 1")}, U"80 80 10 80 80 80", 7, 1, true, 1, 0},
        EditCase{"SeparatorJustSteppedOverIsTaken", kStatusMask, k80, {Type(U"12 34 56 78 9a bc")}, U"12 34 56 78 9a bc", 17, 0, true, 12, 0},
        // Taken silently only right after typing stepped over it.
        EditCase{"SpaceAfterAClickJumps", kStatusMask, k80, {Type(U"12"), At(3), Type(U" ")}, U"12 80 80 80 80 80", 6, 1, true, 2, 0},
        EditCase{"SpaceAfterAnArrowJumps", kStatusMask, k80, {At(7), kRight, Type(U" ")}, k80, 12, 1, false, 0, 0},
        EditCase{"SpaceAfterASpaceJumps", kStatusMask, k80, {Type(U"  ")}, k80, 6, 1, false, 0, 0},
        EditCase{"TypingAtTheEndStops", kStatusMask, k80, {At(16), Type(U"12")}, U"80 80 80 80 80 81", 17, 0, true, 1, 0},
        EditCase{"TypingOnALiteralKeepsIt", kStatusMask, k80, {At(2), Type(U"5")}, k80, 3, 1, true, 1, 0},
        EditCase{"TypingOverASelection", kStatusMask, k80, {Sel(0, 5), Type(U"9")}, U"9_ __ 80 80 80 80", 1, 1, true, 2, 0},
        EditCase{"BackspaceEmptiesThePrevious", kStatusMask, k80, {At(1), kBackspace}, U"_0 80 80 80 80 80", 0, 1, true, 1, 0},
        EditCase{"BackspaceOverALiteral", kStatusMask, k80, {At(3), kBackspace}, U"8_ 80 80 80 80 80", 1, 1, true, 1, 0},
        EditCase{"BackspaceAtTheStart", kStatusMask, k80, {kBackspace}, k80, 0, 1, false, 0, 0},
        EditCase{"BackspaceFromTheEnd", kStatusMask, k80, {kEnd, kBackspace}, U"80 80 80 80 80 8_", 16, 1, true, 1, 0},
        EditCase{"DeleteStays", kStatusMask, k80, {At(4), kDelete}, U"80 8_ 80 80 80 80", 4, 1, true, 1, 0},
        EditCase{"DeleteOnALiteral", kStatusMask, k80, {At(2), kDelete}, k80, 2, 1, false, 0, 0},
        EditCase{"DeleteAtTheEnd", kStatusMask, k80, {kEnd, kDelete}, k80, 17, 0, false, 0, 0},
        EditCase{"DeleteASelection", kStatusMask, k80, {Sel(4, 1), kDelete}, U"8_ _0 80 80 80 80", 1, 1, true, 1, 0},
        EditCase{"CutEmptiesTheHighlight", kStatusMask, k80, {At(7), kCut}, U"80 80 8_ 80 80 80", 7, 1, true, 1, 0},
        EditCase{"LeftAndRightSkipLiterals", kStatusMask, k80, {At(1), kRight, kRight, kLeft}, k80, 3, 1, false, 0, 0},
        EditCase{"LeftStaysOnTheFirst", kStatusMask, k80, {kLeft}, k80, 0, 1, false, 0, 0},
        EditCase{"RightPastTheLast", kStatusMask, k80, {At(16), kRight}, k80, 17, 0, false, 0, 0},
        EditCase{"ShiftRightGrows", kStatusMask, k80, {At(1), kShiftRight, kShiftRight}, k80, 1, 3, false, 0, 0},
        EditCase{"ShiftLeftGrowsBack", kStatusMask, k80, {At(4), kShiftLeft}, k80, 3, 2, false, 0, 0},
        EditCase{"RightReducesASelection", kStatusMask, k80, {Sel(0, 5), kRight}, k80, 4, 1, false, 0, 0},
        EditCase{"ShiftHomeAndEnd", kStatusMask, k80, {At(4), kShiftHome}, k80, 0, 5, false, 0, 0},
        EditCase{"ShiftEnd", kStatusMask, k80, {At(13), kShiftEnd}, k80, 13, 4, false, 0, 0},
        EditCase{"HomeHighlightsTheFirst", kStatusMask, k80, {At(9), kHome}, k80, 0, 1, false, 0, 0},
        EditCase{"EscapeRestores", kStatusMask, k80, {Type(U"12"), kEscape}, k80, 0, 1, false, 3, 0},
        EditCase{"EscapeUnmodifiedDoesNothing", kStatusMask, k80, {At(4), kEscape}, k80, 4, 1, false, 0, 0},
        EditCase{"CodeFieldTypes", kCodeMask, U"0000", {Type(U"b5")}, U"b500", 2, 1, true, 2, 0},
        EditCase{"CodeFieldBlankIsASpace", kCodeMask, U"0000", {Sel(0, 4), Type(U"5")}, U"5   ", 1, 1, true, 2, 0}),
    [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Clipboard, MaskEditSequence,
    testing::Values(
        EditCase{"TwelveDigitsFillTheGroups", kStatusMask, k80, {Paste(U"123456789ABC")}, U"12 34 56 78 9A BC", 17, 0, false, 2, 0},
        EditCase{"SeparatorsAreOptional", kStatusMask, k80, {Paste(U"12 34 56 78 9A BC")}, U"12 34 56 78 9A BC", 17, 0, false, 2, 0},
        EditCase{"RefusedCharactersBecomeBlanks", kStatusMask, k80, {Paste(U"1-2")}, U"1_ 20 80 80 80 80", 4, 1, false, 2, 0},
        EditCase{"PasteMidField", kStatusMask, k80, {At(6), Paste(U"AB")}, U"80 80 AB 80 80 80", 8, 1, false, 2, 0},
        EditCase{"LongClipStopsAtTheEnd", kStatusMask, k80, {At(15), Paste(U"12345")}, U"80 80 80 80 80 12", 17, 0, false, 2, 0},
        EditCase{"EmptyClipEmptiesTheHighlight", kStatusMask, k80, {At(1), Paste(U"")}, U"8_ 80 80 80 80 80", 1, 1, false, 1, 0},
        EditCase{"PasteOverASelection", kStatusMask, k80, {Sel(0, 8), Paste(U"9")}, U"9_ __ __ 80 80 80", 1, 1, false, 2, 0}),
    [](const testing::TestParamInfo<EditCase>& info) { return info.param.name; });

TEST(MaskEditModel, TextReadsBlanksAsSpaces)
{
    MaskEditModel model(kStatusMask);
    EXPECT_EQ(model.Text(), std::u32string(17, U' ').replace(0, 17, U"                 "));
    EXPECT_EQ(model.DisplayText(), U"__ __ __ __ __ __");
    model.SetText(U"80 80 80 80 80 80");
    model.PlaceCaret(1);
    model.Backspace();
    EXPECT_EQ(model.DisplayText(), U"_0 80 80 80 80 80");
    EXPECT_EQ(model.Text(), U" 0 80 80 80 80 80");
}

TEST(MaskEditModel, AssignmentFitsTheTemplate)
{
    const struct {
        const char32_t* mask;
        std::u32string value;
        std::u32string display;
    } cases[] = {
        {kStatusMask, U"80 80 80 80 80 80", U"80 80 80 80 80 80"},
        {kStatusMask, U"8  80 80 80 80 80", U"8_ 80 80 80 80 80"},
        {kStatusMask, U"", U"__ __ __ __ __ __"},
        {kStatusMask, U"123", U"12 __ __ __ __ __"},
        {kStatusMask, U"1 2 3", U"1_ 2_ 3_ __ __ __"},
        {kStatusMask, U"80 80 80 80 80 80 80", U"80 80 80 80 80 80"},
        {kStatusMask, U"8080 80", U"80 80 __ __ __ __"},
        {kCodeMask, U"0000", U"0000"},
        {kCodeMask, U"12", U"12  "},
        {kCodeMask, U"123456", U"1234"},
    };
    for (const auto& c : cases) {
        MaskEditModel model(c.mask);
        model.SetText(c.value);
        EXPECT_EQ(model.DisplayText(), c.display);
    }
}

TEST(MaskEditModel, AssignmentRaisesOneChangeOnlyWhenTheTextDiffers)
{
    MaskEditModel model(kStatusMask);
    model.SetText(U"80 80 80 80 80 80");
    int changes = 0;
    model.OnChange = [&] { ++changes; };
    model.SetText(U"80 80 80 80 80 80");
    EXPECT_EQ(changes, 0);
    model.PlaceCaret(7);
    model.TypeChar(U'1');
    EXPECT_TRUE(model.Modified());
    model.SetText(U"80 80 80 80 80 80");
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(model.Modified());
    EXPECT_EQ(model.SelStart(), 0);
    EXPECT_EQ(model.SelLength(), 1);
}

TEST(MaskEditModel, TypingMovesOnAfterTheHandlerReassigns)
{
    MaskEditModel model(kStatusMask);
    model.SetText(U"80 80 80 80 80 80");
    // A handler that writes the text back in upper case, as the window does.
    model.OnChange = [&] {
        std::u32string upper = model.Text();
        for (char32_t& c : upper)
            if (c >= U'a' && c <= U'f')
                c -= 32;
        model.SetText(upper);
    };
    model.PlaceCaret(1);
    model.TypeChar(U'c');
    EXPECT_EQ(model.DisplayText(), U"8C 80 80 80 80 80");
    EXPECT_EQ(model.SelStart(), 3);
    EXPECT_FALSE(model.Modified());
}

TEST(MaskEditModel, EnterAndLeavingRefuseAnIncompleteEdit)
{
    MaskEditModel model(kStatusMask);
    model.SetText(U"80 80 80 80 80 80");
    int beeps = 0;
    model.OnBeep = [&] { ++beeps; };
    model.PlaceCaret(9);
    model.Delete();
    model.PlaceCaret(0);
    const FieldKeyOutcome refused = PressKey(model, {FieldKey::Enter});
    EXPECT_EQ(refused.incompleteAt, 9);
    EXPECT_EQ(model.SelStart(), 9);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(model.RefuseIncomplete(), 9);
    EXPECT_EQ(beeps, 2);
    EXPECT_TRUE(PressKey(model, {FieldKey::Escape}).handled);
    EXPECT_EQ(PressKey(model, {FieldKey::Enter}).incompleteAt, std::nullopt);

    // A text with a gap that came from code is not the user's edit.
    model.SetText(U"80 8  80 80 80 80");
    EXPECT_EQ(PressKey(model, {FieldKey::Enter}).incompleteAt, std::nullopt);
    EXPECT_EQ(model.RefuseIncomplete(), std::nullopt);
}

TEST(MaskEditModel, EscapeGoesBackToTheTextAtFocusEntry)
{
    MaskEditModel model(kCodeMask);
    model.SetText(U"0000");
    model.TypeChar(U'1');
    model.FocusEntered(true);
    model.TypeChar(U'2');
    model.Escape();
    EXPECT_EQ(model.DisplayText(), U"1000");
    model.TypeChar(U'3');
    model.FocusEntered(false); // back from a message box: keeps the restore text
    model.Escape();
    EXPECT_EQ(model.DisplayText(), U"1000");
}

TEST(MaskEditModel, CopyTakesTheShownCharacters)
{
    MaskEditModel model(kStatusMask);
    model.SetText(U"80 8  80 80 80 80");
    model.Select(0, 6);
    EXPECT_EQ(model.Copy(), U"80 8_ ");
    model.PlaceCaret(4);
    EXPECT_EQ(model.Copy(), U"_");
    model.PlaceCaret(17);
    EXPECT_EQ(model.Copy(), U"");
}

} // namespace
