#pragma once

#include "form/MaskEditModel.h"

#include <QLineEdit>

class QMenu;

// A single-line field with a fixed template (see MaskEditModel). Every way a
// line edit could change its text goes through the model: keys, input
// methods, the clipboard, the context menu and X11's middle-click paste; drag
// and drop and undo are off.
class TMaskEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TMaskEdit(const QString& editMask, QWidget* parent = nullptr);

    // The text with blanks read as spaces, always the template's length.
    QString Text() const;
    // Raises OnChange inside the call when the text really changes.
    void SetText(const QString& text);
    void SetText(std::u32string_view text);

    MaskEditModel& Model() { return model_; }
    const MaskEditModel& Model() const { return model_; }

    // The context menu's actions act on the model; exposed for tests.
    QMenu* CreateContextMenu();

signals:
    // Raised synchronously: key-down before the field handles the key, the
    // change as it happens, key-up before the field's own key-up handling.
    void OnChange();
    void OnKeyDown(int& key, Qt::KeyboardModifiers shift);
    void OnKeyUp(int& key, Qt::KeyboardModifiers shift);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool HandleKey(QKeyEvent* event);
    void TypeText(const QString& text);
    static void PutOnClipboard(const std::u32string& text);
    void PasteFrom(const QString& text);
    void TakeSelectionFromWidget();
    // Lets the line edit handle the mouse, then takes the selection it made;
    // false for the rest of a middle-button click, which is not handled.
    template <class Handler>
    bool ThroughLineEdit(QMouseEvent* event, Handler&& lineEditHandler);
    // Shows the model's text, caret and selection; run whenever they change.
    void Render();

    MaskEditModel model_;
    bool focusForcedBack_ = false;
};
