#include "WindowFixture.h"

#include <QAction>
#include <QLabel>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace {

// What the field shows, blanks included.
QString Shown(TMaskEdit* field)
{
    return static_cast<QLineEdit*>(field)->text();
}

// Every path by which a line edit could change its text.

TEST_F(WindowTest, ClipboardKeysGoThroughTheModel)
{
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } pastes[] = {{Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier}};
    for (const auto& paste : pastes) {
        QGuiApplication::clipboard()->setText("1-2");
        code()->SetText("0000");
        FocusAt(code(), 0);
        QTest::keyClick(code(), paste.key, paste.modifiers);
        // The refused character stands as a blank; the key filter lets it through.
        EXPECT_EQ(code()->Text(), "1 20");
        EXPECT_EQ(code()->Model().SelStart(), 3);
    }
    FocusAt(code(), 0);
    QTest::keyClick(code(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(code(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1 ");
    QGuiApplication::clipboard()->clear();
    // Cut empties the two positions; the key filter then puts the text back.
    QTest::keyClick(code(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1 ");
    EXPECT_EQ(Shown(code()), "1 20");
}

TEST_F(WindowTest, ContextMenuActsAsTheKeys)
{
    QGuiApplication::clipboard()->setText("C1");
    FocusAt(status(), 3);
    QTest::keyClick(status(), Qt::Key_Right, Qt::ShiftModifier);
    std::unique_ptr<QMenu> menu(status()->CreateContextMenu());
    std::map<QString, QAction*> actions;
    for (QAction* action : menu->actions())
        actions[action->objectName()] = action;
    ASSERT_EQ(actions.count("cut") + actions.count("copy") + actions.count("paste") + actions.count("delete")
                  + actions.count("selectAll"),
              5u);
    for (QAction* action : menu->actions())
        EXPECT_FALSE(action->text().contains("Undo")) << action->text().toStdString();

    actions["copy"]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "80");
    // Emptying a byte is refused by the window, so the text comes back.
    actions["delete"]->trigger();
    EXPECT_EQ(status()->Text(), "80 80 80 80 80 80");

    QGuiApplication::clipboard()->setText("C1");
    EXPECT_TRUE(actions["paste"]->isEnabled());
    status()->Model().PlaceCaret(3);
    actions["paste"]->trigger();
    EXPECT_EQ(status()->Text(), "80 C1 80 80 80 80");
    actions["selectAll"]->trigger();
    EXPECT_EQ(status()->Model().SelLength(), 17);
    ExpectInvariants();
}

TEST_F(WindowTest, InputMethodCommitsAreTyped)
{
    FocusAt(code(), 0);
    QInputMethodEvent compose;
    compose.setCommitString(QString::fromUtf8("Жb"));
    QCoreApplication::sendEvent(code(), &compose);
    EXPECT_EQ(Shown(code()), "Жb00");

    QInputMethodEvent preedit(QStringLiteral("x"), {});
    QCoreApplication::sendEvent(code(), &preedit);
    EXPECT_EQ(Shown(code()), "Жb00");
}

TEST_F(WindowTest, RefusedKeysBeepAndCommandsTypeNothing)
{
    FocusAt(code(), 0);
    for (char c : std::string("-!. "))
        QTest::keyClick(code(), c);
    EXPECT_EQ(beeps, 4);
    QTest::keyClick(code(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(code(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(code(), Qt::Key_Up);
    EXPECT_EQ(code()->Text(), "0000");
    EXPECT_EQ(beeps, 4);
    EXPECT_FALSE(code()->acceptDrops());
    EXPECT_FALSE(code()->dragEnabled());
}

TEST_F(WindowTest, KeyEventsComeInTheirOrder)
{
    std::vector<std::string> events;
    QObject::connect(code(), &TMaskEdit::OnKeyDown, code(), [&](int&, Qt::KeyboardModifiers) {
        events.push_back("down " + code()->Text().toStdString());
    });
    QObject::connect(code(), &TMaskEdit::OnChange, code(), [&] { events.push_back("change " + code()->Text().toStdString()); });
    QObject::connect(code(), &TMaskEdit::OnKeyUp, code(), [&](int&, Qt::KeyboardModifiers) {
        events.push_back("up " + code()->Text().toStdString());
    });
    FocusAt(code(), 0);
    Type(code(), "7");
    const std::vector<std::string> expected = {"down 0000", "change 7000", "up 7000"};
    EXPECT_EQ(events, expected);
}

TEST_F(WindowTest, MouseClickHighlightsOneCharacter)
{
    // The left half of the character at offset 4.
    int x = 0;
    while (x < status()->width() && status()->cursorPositionAt(QPoint(x, status()->height() / 2)) < 5)
        ++x;
    const QPoint point(x - 2, status()->height() / 2);
    ASSERT_EQ(status()->cursorPositionAt(point), 4);
    QTest::mouseClick(status(), Qt::LeftButton, {}, point);
    EXPECT_EQ(status()->Model().SelStart(), 4);
    EXPECT_EQ(status()->Model().SelLength(), 1);
    EXPECT_EQ(status()->selectedText().size(), 1);
    EXPECT_EQ(status()->Model().SelStart(), status()->selectionStart());
}

TEST_F(WindowTest, LeavingAnIncompleteEditTakesTheFocusBack)
{
    FocusAt(code(), 0);
    QTest::keyClick(code(), Qt::Key_A, Qt::ControlModifier);
    Type(code(), "5");
    ASSERT_EQ(code()->Text(), "5   ");
    ASSERT_EQ(code()->Text().toStdString(), form().LastErrorCodeText());
    code()->Model().PlaceCaret(0);
    QTest::keyClick(code(), Qt::Key_Tab);
    EXPECT_TRUE(code()->hasFocus());
    EXPECT_EQ(code()->Model().SelStart(), 1);
    EXPECT_EQ(beeps, 1);
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Invalid input value.  Use escape key to abandon changes.");

    // Escape goes back to the text the field had when the focus came in.
    QTest::keyClick(code(), Qt::Key_Escape);
    EXPECT_EQ(code()->Text(), "0000");
    QTest::keyClick(code(), Qt::Key_Tab);
    EXPECT_FALSE(code()->hasFocus());
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(WindowTest, AnAssignedGapIsNoUserEdit)
{
    code()->SetText("12 4");
    FocusAt(code(), 0);
    QTest::keyClick(code(), Qt::Key_Return);
    QTest::keyClick(code(), Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_FALSE(code()->hasFocus());
    EXPECT_EQ(beeps, 0);
    for (const MessageBoxContent& box : boxes)
        EXPECT_NE(box.icon, QMessageBox::Critical);
}

TEST_F(WindowTest, EscapeWithNothingToUndoGoesToTheWindow)
{
    FocusAt(code(), 0);
    QKeyEvent unmodified(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(code(), &unmodified);
    EXPECT_FALSE(unmodified.isAccepted());

    Type(code(), "1");
    QKeyEvent modified(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(code(), &modified);
    EXPECT_TRUE(modified.isAccepted());
}

TEST_F(WindowTest, RestoreTextIsTakenOnlyFromAnotherControl)
{
    // Focus from another control of the window: the restore text is the current text.
    form().Button1->setFocus(Qt::TabFocusReason);
    code()->setFocus(Qt::TabFocusReason);
    Type(code(), "5");
    ASSERT_EQ(code()->Text(), "5000");

    // Coming back from another window keeps it.
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(code(), &out);
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(code(), &in);
    QTest::keyClick(code(), Qt::Key_Escape);
    EXPECT_EQ(code()->Text(), "0000");
}

TEST_F(WindowTest, SetTextRaisesOneChangeOnlyForANewText)
{
    int changes = 0;
    QObject::connect(code(), &TMaskEdit::OnChange, code(), [&] { ++changes; });
    code()->SetText("0000");
    EXPECT_EQ(changes, 0);
    code()->SetText("ABCD");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(code()->Text(), "ABCD");
    EXPECT_FALSE(code()->Model().Modified());
}

} // namespace

namespace {

TEST_F(WindowTest, ClickingAButtonFirstMeetsTheCheckOnLeaving)
{
    FocusAt(code(), 0);
    QTest::keyClick(code(), Qt::Key_A, Qt::ControlModifier);
    Type(code(), "5");
    const QString label = form().Label1->text();
    QTest::mouseClick(form().Button2, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(code()->hasFocus());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Invalid input value.  Use escape key to abandon changes.");
    // The click that could not take the focus does not press the button.
    EXPECT_EQ(form().Label1->text(), label);
    EXPECT_FALSE(form().Button2->isDown());

    // Once the entry is whole again, the button works.
    Type(code(), "501");
    QTest::mouseClick(form().Button2, Qt::LeftButton);
    ASSERT_EQ(code()->Text(), "5501");
    EXPECT_EQ(form().Label1->text(), "Ошибка оборудования!\n Неизвестная ошибка!");
}

} // namespace
