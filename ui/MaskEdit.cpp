#include "ui/MaskEdit.h"

#include "core/Exception.h"
#include "form/FieldKeys.h"
#include "ui/Beep.h"
#include "ui/ExceptionBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

std::u32string ToU32(const QString& text)
{
    return text.toStdU32String();
}

QString FromU32(const std::u32string& text)
{
    return QString::fromStdU32String(text);
}

// The field's own keys, by Qt's names; typed text is whatever else
// carries text.
FieldKey FieldKeyOf(const QKeyEvent* event)
{
    if (event->matches(QKeySequence::SelectAll))
        return FieldKey::SelectAll;
    switch (event->key()) {
    case Qt::Key_Left: return FieldKey::Left;
    case Qt::Key_Right: return FieldKey::Right;
    case Qt::Key_Home: return FieldKey::Home;
    case Qt::Key_End: return FieldKey::End;
    case Qt::Key_Up: return FieldKey::Up;
    case Qt::Key_Down: return FieldKey::Down;
    case Qt::Key_Backspace: return FieldKey::Backspace;
    case Qt::Key_Delete: return FieldKey::Delete;
    case Qt::Key_Return:
    case Qt::Key_Enter: return FieldKey::Enter;
    case Qt::Key_Escape: return FieldKey::Escape;
    default: return event->text().isEmpty() ? FieldKey::Other : FieldKey::Text;
    }
}

// Eats the rest of a mouse click that tried to take the focus from a field
// that refused to let it go, so the click does not act on the control the
// user could not move to.
class ClickSwallower : public QObject {
public:
    explicit ClickSwallower(QObject* parent) : QObject(parent) { QCoreApplication::instance()->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (done_)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::MouseButtonRelease:
            done_ = true;
            deleteLater();
            return true;
        default:
            return false;
        }
    }

private:
    bool done_ = false;
};

// The middle button pastes X11's selection on its press; the rest of its
// click is taken here so that the line edit does not act on it.
bool IsSelectionPasteClick(QMouseEvent* event)
{
    if (event->button() != Qt::MiddleButton)
        return false;
    event->accept();
    return true;
}

} // namespace

TMaskEdit::TMaskEdit(const QString& editMask, QWidget* parent)
    : QLineEdit(parent), model_(ToU32(editMask))
{
    setMaxLength(model_.Length());
    setDragEnabled(false);
    setAcceptDrops(false);
    setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    model_.OnChange = [this] { emit OnChange(); };
    model_.OnStateChanged = [this] { Render(); };
    model_.OnBeep = [] { Beep(); };
    Render();
}

QString TMaskEdit::Text() const
{
    return FromU32(model_.Text());
}

void TMaskEdit::SetText(const QString& text)
{
    SetText(ToU32(text));
}

void TMaskEdit::SetText(std::u32string_view text)
{
    model_.SetText(text);
}

void TMaskEdit::Render()
{
    const QString shown = FromU32(model_.DisplayText());
    if (QLineEdit::text() != shown)
        QLineEdit::setText(shown);
    // An unfocused field shows no selection, as a native one would.
    if (hasFocus() && model_.SelLength() > 0)
        setSelection(model_.Anchor(), model_.Active() - model_.Anchor());
    else
        setCursorPosition(model_.Active());
}

void TMaskEdit::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    emit OnKeyDown(key, event->modifiers());
    if (key == 0) {
        event->accept();
        return;
    }
    bool handled = true;
    RunShowingException([&] { handled = HandleKey(event); });
    event->setAccepted(handled);
}

bool TMaskEdit::HandleKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (event->matches(QKeySequence::Copy) || (key == Qt::Key_Insert && mods == Qt::ControlModifier)) {
        PutOnClipboard(model_.Copy());
        return true;
    }
    if (event->matches(QKeySequence::Cut) || (key == Qt::Key_Delete && mods == Qt::ShiftModifier)) {
        PutOnClipboard(model_.Cut());
        return true;
    }
    if (event->matches(QKeySequence::Paste) || (key == Qt::Key_Insert && mods == Qt::ShiftModifier)) {
        PasteFrom(QGuiApplication::clipboard()->text());
        return true;
    }
    const std::u32string text = ToU32(event->text());
    const FieldKeyOutcome outcome =
        PressKey(model_, {FieldKeyOf(event), text, (mods & Qt::ShiftModifier) != 0,
                          (mods & (Qt::ControlModifier | Qt::MetaModifier)) != 0, (mods & Qt::AltModifier) != 0});
    if (outcome.incompleteAt)
        throw Exception(MaskEditModel::kInvalidInputMessage);
    return outcome.handled;
}

void TMaskEdit::TypeText(const QString& text)
{
    for (char32_t c : text.toStdU32String())
        model_.TypeChar(c);
}

void TMaskEdit::keyReleaseEvent(QKeyEvent* event)
{
    // Auto-repeat releases are not real releases.
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    int key = event->key();
    emit OnKeyUp(key, event->modifiers());
    // The word-wise move leaves a bare caret until the key comes up.
    if (key == Qt::Key_Left || key == Qt::Key_Right)
        model_.EnsureHighlight();
    event->ignore();
}

void TMaskEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Only committed text counts; a composition in progress is not shown.
    const QString committed = event->commitString();
    if (!committed.isEmpty())
        RunShowingException([&] { TypeText(committed); });
    event->accept();
}

void TMaskEdit::PutOnClipboard(const std::u32string& text)
{
    if (!text.empty())
        QGuiApplication::clipboard()->setText(FromU32(text));
}

void TMaskEdit::PasteFrom(const QString& text)
{
    model_.Paste(ToU32(text));
}

void TMaskEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Coming back from a message box, another window or a refused exit keeps
    // the text Escape returns to.
    const Qt::FocusReason reason = event->reason();
    const bool fromAnotherControl = !focusForcedBack_ && reason != Qt::ActiveWindowFocusReason
                                    && reason != Qt::PopupFocusReason;
    model_.FocusEntered(fromAnotherControl);
    Render();
}

void TMaskEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || focusForcedBack_)
        return;
    QWidget* next = QApplication::focusWidget();
    if (next == nullptr || next == this || next->window() != window())
        return;
    if (!model_.RefuseIncomplete()) {
        Render();
        return;
    }
    // Qt cannot veto a focus change: take the focus straight back, then
    // report once the change has settled.
    if (reason == Qt::MouseFocusReason)
        new ClickSwallower(this);
    focusForcedBack_ = true;
    setFocus(Qt::OtherFocusReason);
    focusForcedBack_ = false;
    Render();
    QMetaObject::invokeMethod(
        this, [] { ShowException(std::make_exception_ptr(Exception(MaskEditModel::kInvalidInputMessage))); },
        Qt::QueuedConnection);
}

void TMaskEdit::TakeSelectionFromWidget()
{
    const int cursor = cursorPosition();
    if (!hasSelectedText()) {
        model_.Select(cursor, cursor);
        return;
    }
    const int start = selectionStart();
    const int end = start + selectedText().size();
    model_.Select(cursor == start ? end : start, cursor);
}

void TMaskEdit::mousePressEvent(QMouseEvent* event)
{
    if (IsSelectionPasteClick(event)) {
        // X11's selection paste, at the click, through the model.
        if (QGuiApplication::clipboard()->supportsSelection()) {
            model_.PlaceCaret(cursorPositionAt(event->position().toPoint()));
            RunShowingException([&] { PasteFrom(QGuiApplication::clipboard()->text(QClipboard::Selection)); });
        }
        return;
    }
    QLineEdit::mousePressEvent(event);
    TakeSelectionFromWidget();
}

void TMaskEdit::mouseMoveEvent(QMouseEvent* event)
{
    ThroughLineEdit(event, [&] { QLineEdit::mouseMoveEvent(event); });
}

void TMaskEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (ThroughLineEdit(event, [&] { QLineEdit::mouseReleaseEvent(event); }))
        model_.EnsureHighlight();
}

void TMaskEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    ThroughLineEdit(event, [&] { QLineEdit::mouseDoubleClickEvent(event); });
}

template <class Handler>
bool TMaskEdit::ThroughLineEdit(QMouseEvent* event, Handler&& lineEditHandler)
{
    if (IsSelectionPasteClick(event))
        return false;
    lineEditHandler();
    TakeSelectionFromWidget();
    return true;
}

QMenu* TMaskEdit::CreateContextMenu()
{
    auto* menu = new QMenu(this);
    const bool hasSelection = model_.SelLength() > 0;
    auto add = [&](const char* name, const QString& text, bool enabled, auto&& action) {
        QAction* item = menu->addAction(text);
        item->setObjectName(QString::fromLatin1(name));
        item->setEnabled(enabled);
        connect(item, &QAction::triggered, this, [action] { RunShowingException(action); });
    };
    add("cut", tr("Вырезать"), hasSelection, [this] { PutOnClipboard(model_.Cut()); });
    add("copy", tr("Копировать"), hasSelection, [this] { PutOnClipboard(model_.Copy()); });
    add("paste", tr("Вставить"), !QGuiApplication::clipboard()->text().isEmpty(),
        [this] { PasteFrom(QGuiApplication::clipboard()->text()); });
    add("delete", tr("Удалить"), hasSelection, [this] { model_.Delete(); });
    menu->addSeparator();
    add("selectAll", tr("Выделить все"), true, [this] { model_.SelectAll(); });
    // What the window adds to the field, after the field's own entries.
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
    return menu;
}

void TMaskEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}
