#include "WindowFixture.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Every case table here names its rows; gtest prints and names them by it.
template <class Case>
concept NamedCase = requires(const Case& c) { c.name; };

template <NamedCase Case>
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

constexpr auto CaseName = [](const auto& info) { return std::string(info.param.name); };

// ---- A typed byte ----

struct TypedCase {
    const char* name;
    int offset;
    QString keys;
    QString text;
    std::set<int> extraTicked;
    int receiptState;
};

class TypedByte : public WindowTest, public testing::WithParamInterface<TypedCase> {};

TEST_P(TypedByte, ShowsInTheBoxesAndTheList)
{
    const TypedCase& c = GetParam();
    FocusAt(status(), c.offset);
    Type(status(), c.keys);
    EXPECT_EQ(status()->Text(), c.text);
    EXPECT_EQ(Ticked(), With(c.extraTicked));
    EXPECT_EQ(form().ComboBox1->currentIndex(), c.receiptState);
    EXPECT_EQ(beeps, 0);
    ExpectInvariants();
}

INSTANTIATE_TEST_SUITE_P(
    Status, TypedByte,
    testing::Values(TypedCase{"UpperA", 0, "A", "A0 80 80 80 80 80", {6}, 0},
                    TypedCase{"LowerCBecomesUpper", 1, "c", "8C 80 80 80 80 80", {3, 4}, 0},
                    TypedCase{"ZeroStaysAsTyped", 0, "0", "00 80 80 80 80 80", {}, 0},
                    TypedCase{"NonHexLetterIsUndone", 1, "G", "80 80 80 80 80 80", {}, 0},
                    TypedCase{"LowerZIsUndone", 1, "z", "80 80 80 80 80 80", {}, 0},
                    TypedCase{"CyrillicIsUndone", 4, "Ж", "80 80 80 80 80 80", {}, 0},
                    TypedCase{"SameCharacterChangesNothing", 0, "8", "80 80 80 80 80 80", {}, 0},
                    TypedCase{"NineSelectsTheState", 7, "9", "80 80 89 80 80 80", {33, 36}, 9},
                    TypedCase{"FSelectsFifteen", 7, "F", "80 80 8F 80 80 80", {33, 34, 35, 36}, 15},
                    TypedCase{"LastPosition", 16, "1", "80 80 80 80 80 81", {41}, 0},
                    TypedCase{"ByteThreeIsTheSecondPanel", 9, "FF", "80 80 80 FF 80 80", {9, 10, 11, 12, 13, 14, 15}, 0},
                    TypedCase{"SpaceJumpsBetweenGroups", 0, "c 9", "C0 90 80 80 80 80", {7, 21}, 0},
                    TypedCase{"WholeLineAsItReads", 0, "80 84 89 80 83 91", "80 84 89 80 83 91", {19, 33, 36, 25, 26, 41, 45}, 9},
                    TypedCase{"ClearedBitSevenStaysWhileNoBoxChanges", 6, "0", "80 80 00 80 80 80", {}, 0},
                    TypedCase{"ClearedBitSevenIsSetWhenABoxChanges", 6, "1", "80 80 90 80 80 80", {37}, 0}),
    CaseName);

TEST_F(WindowTest, LowerCaseDigitPassesThroughIntermediateValues)
{
    std::vector<QString> seen;
    QObject::connect(status(), &TMaskEdit::OnChange, status(), [&] { seen.push_back(status()->Text()); });
    FocusAt(status(), 1);
    Type(status(), "c");
    // Seen after the window's own handler: each nested rewrite, then the outer change.
    const std::vector<QString> expected = {"84 80 80 80 80 80", "8C 80 80 80 80 80", "8C 80 80 80 80 80"};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(status()->Model().SelStart(), 3);
}

TEST_F(WindowTest, DeleteAndBackspaceOnADigitBringItBack)
{
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace}) {
        FocusAt(status(), 4);
        QTest::keyClick(status(), key);
        EXPECT_EQ(status()->Text(), "80 80 80 80 80 80");
        EXPECT_EQ(Ticked(), BitSevenBoxes());
        ExpectInvariants();
    }
}

TEST_F(WindowTest, KeyReleaseWithNothingChangedDoesNothing)
{
    FocusAt(status(), 4);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Shift, Qt::Key_Home, Qt::Key_F5})
        QTest::keyClick(status(), key);
    EXPECT_EQ(status()->Text(), "80 80 80 80 80 80");
    EXPECT_EQ(form().LastStatusText(), "80 80 80 80 80 80");
}

TEST_F(WindowTest, KeyUpTakesAChangeTheChangeHandlerDidNotSee)
{
    // Text written with the field's signals blocked reaches only the key-up handler.
    FocusAt(status(), 7);
    status()->blockSignals(true);
    status()->SetText("80 80 8B 80 80 80");
    status()->blockSignals(false);
    QTest::keyClick(status(), Qt::Key_Right);
    EXPECT_EQ(Ticked(), With({33, 34, 36}));
    EXPECT_EQ(form().ComboBox1->currentText(), "11.");
    ExpectInvariants();
}

struct PastedCase {
    const char* name;
    int at; // the caret's offset, or -1 for the whole field selected
    QString clip;
    QString text;
    int receiptState;
};

class PastedLine : public WindowTest, public testing::WithParamInterface<PastedCase> {};

TEST_P(PastedLine, SettlesOverAllSixGroups)
{
    const PastedCase& c = GetParam();
    QGuiApplication::clipboard()->setText(c.clip);
    FocusAt(status(), std::max(c.at, 0));
    if (c.at < 0)
        QTest::keyClick(status(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(status(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(status()->Text(), c.text);
    EXPECT_EQ(form().ComboBox1->currentIndex(), c.receiptState);
    ExpectInvariants();
}

INSTANTIATE_TEST_SUITE_P(
    Status, PastedLine,
    testing::Values(PastedCase{"WholeLine", -1, "12 34 56 78 9A BC", "92 B4 D6 F8 9A BC", 6},
                    PastedCase{"WithoutSpaces", -1, "808089808080", "80 80 89 80 80 80", 9},
                    PastedCase{"LowerCase", -1, "ff ff ff ff ff ff", "FF FF FF FF FF FF", 15},
                    PastedCase{"RegisterLine", -1, "80 84 82 81 83 91", "80 84 82 81 83 91", 2},
                    PastedCase{"FirstCharacterRefused", -1, "G0 80 80 80 80 80", "80 80 80 80 80 80", 0},
                    // A field with no digit leaves its panel and the list alone.
                    PastedCase{"FieldWithoutValue", -1, "8A    89", "8A    89         ", 9},
                    // Pieces go in from the caret as typed.
                    PastedCase{"OneByte", 0, "A1", "A1 80 80 80 80 80", 0},
                    PastedCase{"DigitMinusDigit", 0, "1-2", "81 A0 80 80 80 80", 0},
                    PastedCase{"TwoBytes", 0, "12-34", "92 83 C0 80 80 80", 0},
                    PastedCase{"FifteenCharactersAtTheEnd", 16, "123456789ABCDEF", "80 80 80 80 80 81", 0},
                    // What looks like a whole line but cannot be read is refused whole.
                    PastedCase{"FourBytes", -1, "8A    89 80 80", "80 80 80 80 80 80", 0},
                    PastedCase{"FiveBytes", 0, "80 84 89 80 83", "80 80 80 80 80 80", 0},
                    PastedCase{"SevenByteFrame", 0, "06 80 84 89 80 83 91", "80 80 80 80 80 80", 0},
                    PastedCase{"CyrillicLetter", 0, "80 84 89 80 83 9С", "80 80 80 80 80 80", 0},
                    PastedCase{"CyrillicLetterUnseparated", 0, "80848980839С", "80 80 80 80 80 80", 0},
                    PastedCase{"FullWidthDigit", 0, "８0 84 89 80 83 91", "80 80 80 80 80 80", 0},
                    // A whole line in a form people copy replaces the field wherever the caret stands.
                    PastedCase{"HexPrefixesAtTheLastByte", 16, "0x80 0x84 0x89 0x80 0x83 0x91", "80 84 89 80 83 91", 9},
                    PastedCase{"DashesAndALineFeed", 7, "80-84-89-80-83-91\n", "80 84 89 80 83 91", 9},
                    PastedCase{"CommasAndBlanks", 4, " 80, 84, 8a, 80, 83, 91 ", "80 84 8A 80 83 91", 10},
                    PastedCase{"SpreadsheetRow", 0, "80\t84\t89\t80\t83\t91\r\n", "80 84 89 80 83 91", 9},
                    PastedCase{"NotAWholeLineIsPastedAtTheCaret", 3, "0x81", "80 0x 81 80 80 80", 1}),
    CaseName);

TEST_F(WindowTest, FieldWithoutValueKeepsItsPanel)
{
    FocusAt(status(), 3);
    Type(status(), "85");
    ASSERT_EQ(status()->Text(), "80 85 80 80 80 80");
    QGuiApplication::clipboard()->setText("1     ");
    FocusAt(status(), 0);
    QTest::keyClick(status(), Qt::Key_V, Qt::ControlModifier);
    // "1_" reads as 1; the emptied byte 1 keeps what its boxes showed.
    EXPECT_EQ(status()->Text().left(5), "81   ");
    EXPECT_TRUE(form().CheckBox(17)->isChecked());
    EXPECT_TRUE(form().CheckBox(19)->isChecked());
    EXPECT_TRUE(form().CheckBox(1)->isChecked());
    ExpectInvariants();
}

// ---- A ticked box ----

struct ClickCase {
    const char* name;
    std::vector<int> clicks;
    QString text;
    int receiptState;
};

class TickedBox : public WindowTest, public testing::WithParamInterface<ClickCase> {};

TEST_P(TickedBox, RewritesItsByte)
{
    const ClickCase& c = GetParam();
    for (int number : c.clicks)
        QTest::mouseClick(form().CheckBox(number), Qt::LeftButton);
    EXPECT_EQ(status()->Text(), c.text);
    EXPECT_EQ(form().ComboBox1->currentIndex(), c.receiptState);
    ExpectInvariants();
}

INSTANTIATE_TEST_SUITE_P(
    Panels, TickedBox,
    testing::Values(ClickCase{"ByteZero", {2}, "82 80 80 80 80 80", 0},
                    ClickCase{"ByteFive", {47}, "80 80 80 80 80 C0", 0},
                    ClickCase{"ByteOneIsTheThirdGroup", {17, 23}, "80 C1 80 80 80 80", 0},
                    ClickCase{"ByteThreeIsTheSecondGroup", {16, 9}, "80 80 80 81 80 80", 0},
                    ClickCase{"ReceiptStateTen", {34, 36}, "80 80 8A 80 80 80", 10},
                    ClickCase{"TickAndUntick", {45, 45}, "80 80 80 80 80 80", 0},
                    ClickCase{"BitSevenBoxesStayTicked", {8, 16, 24, 32, 40, 48}, "80 80 80 80 80 80", 0}),
    CaseName);

TEST_F(WindowTest, ClickingKeepsOtherFieldsAsTyped)
{
    FocusAt(status(), 3);
    Type(status(), "8A");
    FocusAt(status(), 4);
    Type(status(), "a");
    ASSERT_EQ(status()->Text(), "80 8a 80 80 80 80");
    QTest::mouseClick(form().CheckBox(2), Qt::LeftButton);
    EXPECT_EQ(status()->Text(), "82 8a 80 80 80 80");
    ExpectInvariants();
}

TEST_F(WindowTest, ClickingRewritesItsFieldInUpperCase)
{
    FocusAt(status(), 3);
    Type(status(), "8A");
    FocusAt(status(), 4);
    Type(status(), "a");
    QTest::mouseClick(form().CheckBox(21), Qt::LeftButton);
    EXPECT_EQ(status()->Text(), "80 9A 80 80 80 80");
}

TEST_F(WindowTest, UntickingBitSevenRaisesNoChange)
{
    int changes = 0;
    QObject::connect(status(), &TMaskEdit::OnChange, status(), [&] { ++changes; });
    QTest::mouseClick(form().CheckBox(24), Qt::LeftButton);
    EXPECT_TRUE(form().CheckBox(24)->isChecked());
    EXPECT_EQ(changes, 0);
}

// ---- A chosen receipt state ----

class ChosenState : public WindowTest {
protected:
    void SetByteTwo(const QString& digits)
    {
        FocusAt(status(), 6);
        Type(status(), digits);
    }

    void ChooseByKeyboard(int state)
    {
        QComboBox* list = form().ComboBox1;
        list->setFocus(Qt::TabFocusReason);
        while (list->currentIndex() != state)
            QTest::keyClick(list, list->currentIndex() < state ? Qt::Key_Down : Qt::Key_Up);
    }
};

TEST_F(ChosenState, ByKeyboardSetsTheLowBoxesAndDigit)
{
    SetByteTwo("88");
    ASSERT_EQ(Ticked(), With({36}));
    ChooseByKeyboard(9);
    EXPECT_EQ(status()->Text(), "80 80 89 80 80 80");
    EXPECT_EQ(Ticked(), With({33, 36}));
    ExpectInvariants();
}

TEST_F(ChosenState, KeepsTheHighDigitAsItIs)
{
    SetByteTwo("F0");
    ChooseByKeyboard(9);
    EXPECT_EQ(status()->Text(), "80 80 F9 80 80 80");

    SetByteTwo("88");
    SetByteTwo("0");
    ASSERT_EQ(status()->Text(), "80 80 08 80 80 80");
    ChooseByKeyboard(9);
    EXPECT_EQ(status()->Text(), "80 80 09 80 80 80");
    EXPECT_TRUE(form().CheckBox(40)->isChecked());
    ExpectInvariants();
}

TEST_F(ChosenState, APastedOneDigitFieldIsWrittenWhole)
{
    // "A " reads as 0A; the list must not turn it into AC behind the boxes' back.
    ChooseByKeyboard(10);
    ASSERT_EQ(status()->Text(), "80 80 8A 80 80 80");
    QGuiApplication::clipboard()->setText("A");
    FocusAt(status(), 6);
    QTest::keyClick(status(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(status(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(status()->Text(), "80 80 A  80 80 80");
    ASSERT_EQ(Ticked(), With({34, 36}));
    ChooseByKeyboard(12);
    EXPECT_EQ(status()->Text(), "80 80 8C 80 80 80");
    EXPECT_EQ(Ticked(), With({35, 36}));
    ExpectInvariants();
}

TEST_F(ChosenState, ByMouseFromThePopup)
{
    QComboBox* list = form().ComboBox1;
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QRect item = view->visualRect(list->model()->index(5, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(status()->Text(), "80 80 85 80 80 80");
    EXPECT_EQ(Ticked(), With({33, 35}));
    ExpectInvariants();
}

TEST_F(ChosenState, TypedTextChoosesOnlyAnEntry)
{
    QLineEdit* editor = form().ComboBox1->lineEdit();
    editor->setFocus(Qt::MouseFocusReason);
    editor->selectAll();
    Type(editor, "xyz");
    // A text that names no entry changes nothing.
    EXPECT_EQ(status()->Text(), "80 80 80 80 80 80");
    EXPECT_EQ(Ticked(), BitSevenBoxes());

    editor->selectAll();
    Type(editor, "12");
    EXPECT_EQ(editor->text(), "12.");
    EXPECT_EQ(status()->Text(), "80 80 8C 80 80 80");
    EXPECT_EQ(Ticked(), With({35, 36}));
    EXPECT_EQ(form().ComboBox1->count(), 16);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(form().ComboBox1->count(), 16);
    ExpectInvariants();
}

TEST_F(ChosenState, TypingInTheStatusFieldShowsTheEntryAgain)
{
    // Whether the state changes (0 to 1) or stays (81 to 91), the text typed
    // over the list goes.
    const std::pair<int, const char*> typed[] = {{7, "1"}, {6, "9"}};
    QLineEdit* editor = form().ComboBox1->lineEdit();
    for (const auto& [offset, digit] : typed) {
        editor->setFocus(Qt::MouseFocusReason);
        editor->selectAll();
        Type(editor, "xyz");
        FocusAt(status(), offset);
        Type(status(), digit);
        EXPECT_EQ(form().ComboBox1->currentText(), "1. Отпечатан заголовок чека") << digit;
    }
}

// ---- The error code ----

// The key-up filter puts a refused change back and leaves the caret on the
// position it judged, shown there, so the next digit goes where the user
// was working.
struct FilterCase {
    const char* name;
    int offset;
    std::vector<Qt::Key> keys;
    QString digit; // typed after the keys
    QString text;
    int caret;
};

class FilterUndo : public WindowTest, public testing::WithParamInterface<FilterCase> {};

TEST_P(FilterUndo, KeepsTheCaretWhereTheKeyActed)
{
    const FilterCase& c = GetParam();
    FocusAt(code(), 0);
    Type(code(), "0106");
    FocusAt(code(), c.offset);
    for (Qt::Key key : c.keys)
        QTest::keyClick(code(), key);
    ExpectInvariants();
    Type(code(), c.digit);
    EXPECT_EQ(code()->Text(), c.text);
    EXPECT_EQ(form().LastErrorCodeText(), c.text.toStdString());
    EXPECT_EQ(code()->Model().SelStart(), c.caret);
    ExpectInvariants();
}

INSTANTIATE_TEST_SUITE_P(
    ErrorCode, FilterUndo,
    testing::Values(FilterCase{"NonHexLetterStaysHighlighted", 1, {}, "G", "0106", 1},
                    FilterCase{"BackspaceOnTheLastDigit", 4, {Qt::Key_Backspace}, "5", "0105", 4},
                    FilterCase{"DeleteOnTheThirdDigit", 2, {Qt::Key_Delete}, "9", "0196", 3},
                    FilterCase{"RepeatedBackspaceWalksBack", 4, {Qt::Key_Backspace, Qt::Key_Backspace}, "7", "0176", 3}),
    CaseName);

struct TranslateCase {
    const char* name;
    QString code;
    bool byEnter;
    QString label;
};

class Translation : public WindowTest, public testing::WithParamInterface<TranslateCase> {};

TEST_P(Translation, ShowsTheMessage)
{
    const TranslateCase& c = GetParam();
    FocusAt(code(), 0);
    Type(code(), c.code);
    ASSERT_EQ(code()->Text(), c.code);
    if (c.byEnter)
        QTest::keyClick(code(), Qt::Key_Return);
    else
        QTest::mouseClick(form().Button2, Qt::LeftButton);
    EXPECT_EQ(form().Label1->text(), c.label);
    EXPECT_TRUE(boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    ErrorCode, Translation,
    testing::Values(TranslateCase{"Enter", "0501", true, "Ошибка оборудования!\n Ошибка дисплея!"},
                    TranslateCase{"Button", "0001", false, "Ошибка оборудования!\n Неопределенная ошибка оборудования!"},
                    TranslateCase{"LowerCase", "0c05", true, "Ошибка фискальной памяти!\n ДОшибка в формате даты!"},
                    TranslateCase{"UnknownClassIsNamed", "b000", true, "Код B000: описания нет"},
                    TranslateCase{"NoErrorTextIsNamed", "5000", false, "Код 5000: описания нет"},
                    TranslateCase{"NumberedField", "ff04", false, "Значение поля номер 255 выходит за допустимый диапазон!"}),
    CaseName);

// Typed over a selection (double-click, Ctrl+A, Shift+End), a code or a
// status byte keeps every digit typed, also when the first equals the one
// it replaces.
struct OverSelectionCase {
    const char* name;
    bool statusField;
    QString before;
    int selStart;
    int selEnd;
    QString keys;
    QString text;
    QString label; // after Enter, for the code field
};

class TypedOverSelection : public WindowTest, public testing::WithParamInterface<OverSelectionCase> {};

TEST_P(TypedOverSelection, KeepsEveryDigit)
{
    const OverSelectionCase& c = GetParam();
    TMaskEdit* field = c.statusField ? status() : code();
    FocusAt(field, 0);
    Type(field, c.before);
    field->Model().Select(c.selStart, c.selEnd);
    Type(field, c.keys);
    EXPECT_EQ(field->Text(), c.text);
    if (!c.statusField) {
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(form().Label1->text(), c.label);
    }
    EXPECT_TRUE(boxes.empty());
    ExpectInvariants();
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypedOverSelection,
    testing::Values(OverSelectionCase{"SameFirstDigit", false, "0501", 0, 4, "0501", "0501", "Ошибка оборудования!\n Ошибка дисплея!"},
                    OverSelectionCase{"SameFirstDigitThenLetter", false, "0501", 4, 0, "0A05", "0A05", "Ошибка фискальной памяти!\n Необходимо скорректировать время!"},
                    OverSelectionCase{"OtherFirstDigit", false, "1234", 0, 4, "0001", "0001", "Ошибка оборудования!\n Неопределенная ошибка оборудования!"},
                    OverSelectionCase{"UnknownClass", false, "1234", 0, 4, "1FFF", "1FFF", "Код 1FFF: описания нет"},
                    OverSelectionCase{"StatusBytesWhereTyped", true, "", 3, 9, "84 89", "80 84 89 80 80 80", ""},
                    OverSelectionCase{"StatusWholeLine", true, "", 0, 17, "80 84 89 80 83 91", "80 84 89 80 83 91", ""},
                    OverSelectionCase{"StatusLastBytes", true, "", 17, 9, "91", "80 80 80 91 80 80", ""}),
    CaseName);

TEST_F(WindowTest, TranslationReplacesTheLabel)
{
    FocusAt(code(), 0);
    Type(code(), "0501");
    QTest::keyClick(code(), Qt::Key_Return);
    ASSERT_FALSE(form().Label1->text().isEmpty());
    FocusAt(code(), 0);
    Type(code(), "0100");
    QTest::keyClick(code(), Qt::Key_Enter, Qt::ShiftModifier);
    EXPECT_EQ(form().Label1->text(), "Код 0100: описания нет");
}

TEST_F(WindowTest, MalformedCodeShowsTheBoxThenTheFieldCheck)
{
    FocusAt(code(), 0);
    Type(code(), "0501");
    QTest::keyClick(code(), Qt::Key_Return);
    code()->Model().SelectAll();
    Type(code(), "5");
    ASSERT_EQ(code()->Text(), "5   ");
    EXPECT_EQ(form().LastErrorCodeText(), "5   ");
    QTest::keyClick(code(), Qt::Key_Return);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Неверный код ошибки!");
    EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes[1].text, "Invalid input value.  Use escape key to abandon changes.");
    EXPECT_EQ(boxes[1].icon, QMessageBox::Critical);
    EXPECT_EQ(form().Label1->text(), "");
    EXPECT_EQ(code()->Model().SelStart(), 1);
}

TEST_F(WindowTest, NavigationKeysLeaveTheCodeAlone)
{
    FocusAt(code(), 2);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Shift, Qt::Key_Return})
        QTest::keyClick(code(), key);
    EXPECT_EQ(code()->Text(), "0000");
    EXPECT_EQ(form().LastErrorCodeText(), "0000");
    EXPECT_EQ(form().Label1->text(), "Без ошибок!");
}

} // namespace

namespace {

// ---- What cannot be read is said, at the field or in the words ----

TEST_F(WindowTest, AlmostAValueIsRefusedWithItsReasonAtTheField)
{
    const struct {
        bool status;
        QString clip;
        QString text; // the field after the paste
        QString note; // the tool tip, empty for none
    } cases[] = {
        {true, "80 84 89 80 83 9С", "80 80 80 80 80 80", "кириллическая «С» на позиции 17 — нужна латинская C"},
        {true, "80 84 89 80 83", "80 80 80 80 80 80", "неверное число байтов: 5 вместо 6"},
        // A log's text holding no status line, or only a code: refused, and said so.
        {true, "2026-12-09 09:47:10.501 [ERROR] cmd 0x45 failed: ERR 0x0501", "80 80 80 80 80 80",
         "в тексте код ошибки 0501, а не строка статуса"},
        {true, "mac=A4:83:E7:9C:B1:F2", "80 80 80 80 80 80", "в тексте нет строки статуса"},
        {true, "status: 80 80 80 80 83 8l", "80 80 80 80 80 80", "недопустимый символ «l» на позиции 17"},
        {false, "2026-12-09 10:00:01 status 80 84 89 80 83 91", "0000", "в тексте строка статуса 80 84 89 80 83 91, а не код ошибки"},
        {false, "product code: 4607", "0000", "в тексте нет кода ошибки"},
        {true, "22:10:15 ST=8080818083 91", "80 80 81 80 83 91", ""},
        {true, "mac=A4:83:E7:9C:B1:F2 status: 80 80 80 80 83 91", "80 80 80 80 83 91", ""},
        {false, "0Е05", "0000", "кириллическая «Е» на позиции 2 — нужна латинская E"},
        {false, "0X0c05", "0c05", ""},
        // A driver's log line: the reading it holds; several different ones refused.
        {true, "2026-12-09 10:00:01 [FR] <- 80 84 89 80 83 91", "80 84 89 80 83 91", ""},
        // Several of a log's lines open in the log window instead, the field as it was.
        {true, "<- 80 84 89 80 83 91\n<- 80 80 89 80 83 91", "80 84 89 80 83 91", ""},
        {true, "<- 80 84 89 80 83 91 <- 80 80 89 80 83 91", "80 84 89 80 83 91", "в тексте несколько строк статуса (2): вставьте одну"},
        {false, "10:00:07 [FR] ERR 0x0501", "0501", ""},
    };
    for (const auto& c : cases) {
        TMaskEdit* field = c.status ? status() : code();
        QGuiApplication::clipboard()->setText(c.clip);
        FocusAt(field, 0);
        const int beeps = this->beeps;
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(field->Text(), c.text) << c.clip.toStdString();
        EXPECT_EQ(form().Note() ? form().Note()->text() : QString(), c.note) << c.clip.toStdString();
        EXPECT_EQ(this->beeps - beeps, c.note.isEmpty() ? 0 : 1) << c.clip.toStdString();
        // Gone with the next key.
        QTest::keyClick(field, Qt::Key_Right);
        EXPECT_EQ(form().Note(), nullptr) << c.clip.toStdString();
    }
}

TEST_F(WindowTest, TheWordsSayWhatTheFieldsShowAndNothingElse)
{
    const auto copied = [this](const QString& clip, int at) {
        QGuiApplication::clipboard()->setText(clip);
        FocusAt(status(), std::max(at, 0));
        if (at < 0)
            QTest::keyClick(status(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(status(), Qt::Key_V, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText("kept");
        QTest::keyClick(status(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        return QGuiApplication::clipboard()->text();
    };
    // Nothing read: the clipboard keeps what it had, and the window says why.
    EXPECT_EQ(copied("0", -1).toStdString(), "kept");
    ASSERT_NE(form().Note(), nullptr);
    EXPECT_EQ(form().Note()->text().toStdString(), "Нечего копировать: ни один байт статуса не прочитан, код ошибки не переведён.");
    EXPECT_EQ(copied("1", -1).toStdString(), "Строка статуса не прочитана: байт 1 неполный\n81 __ __ __ __ __\nПрочитанные байты:\n"
                                             "Статус регистратора - байт 0 (общее состояние): Регистрвтор находится в сервисном режиме");
    // No code was translated: no code line.
    EXPECT_EQ(copied("80 80 80 80 80 80", -1).toStdString(), "80 80 80 80 80 80\nСостояние чека: 0. Документ закрыт");
}

} // namespace
