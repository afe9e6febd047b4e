#pragma once

#include "core/StatusFlagCatalogue.h"
#include "form/ErrorCodeRow.h"
#include "form/StatusBinding.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>

class LogWindow;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class TMaskEdit;

// The main window: six panels of flag check boxes and the receipt-state list
// bound both ways to the status field, and the error code row.
//
// The rules that tie field, boxes and list together are StatusBinding's; the
// window turns its controls' events into calls on it and shows its state.
// The field draws itself once the outermost handler returns (see TMaskEdit).
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, named as designed. GroupBoxes[n - 1] is GroupBoxN, CheckBoxes[n - 1] is CheckBoxN.
    std::array<QGroupBox*, 7> GroupBoxes{};
    std::array<QCheckBox*, kStatusByteCount * kBitsPerByte> CheckBoxes{};
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    TMaskEdit* MaskEdit1 = nullptr;
    QPushButton* Button2 = nullptr;
    TMaskEdit* MaskEdit2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label3 = nullptr;

    QCheckBox* CheckBox(int number) const { return CheckBoxes.at(static_cast<std::size_t>(number - 1)); }
    QCheckBox* FlagBox(int byteIndex, int bit) const;

    // Event handlers.
    void MaskEdit1KeyUp(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void Button1Click(QObject* Sender);
    void FormActivate(QObject* Sender);
    void Button2Click(QObject* Sender);
    void MaskEdit2KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void MaskEdit2KeyUp(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
    void Button3Click(QObject* Sender);
    void CheckBox1Click(QObject* Sender);
    void CheckBox17Click(QObject* Sender);
    void CheckBox33Click(QObject* Sender);
    void CheckBox9Click(QObject* Sender);
    void CheckBox25Click(QObject* Sender);
    void CheckBox41Click(QObject* Sender);
    void ComboBox1Change(QObject* Sender);

    // The status line pasted into the status field and the code translated,
    // each when not empty: what a link or the command line opens the window with.
    void OpenWith(const std::string& statusLine, const std::string& code);
    // Puts the explanation of the status field and the error row on the clipboard.
    void CopyExplanation();
    QAction* CopyExplanationAction = nullptr;

    // A log, from a file or pasted lines, read into the log window; a file
    // that cannot be read is named in a message. False then.
    bool OpenLog(const QString& path);
    void OpenLogText(const QByteArray& utf8);
    QAction* OpenLogAction = nullptr;
    // The log window, once a log was opened.
    LogWindow* Log() const { return FLogWindow.get(); }

    const std::string& LastStatusText() const { return FBinding->LastStatusText(); }
    const std::string& LastErrorCodeText() const { return FErrorCodeRow->LastText(); }
    bool ComboUpdating() const { return FBinding->ComboUpdating(); }

    // The note ShowNote shows, while it is shown.
    QLabel* Note() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Centred where the window fits the screen, else scrolled at the size available.
    void PlaceOnScreen();
    void CreateControls();
    void CreatePanel(int byteIndex);
    void SetTabOrder();
    void ConnectHandlers();
    void CreateWindowActions();
    LogWindow& LogWindowNeeded();

    void PanelClick(QCheckBox* box, int byteIndex);
    void ShowReceiptState(int state);
    // The entry whose caption the list's text is, or -1.
    int ChosenReceiptState() const;

    // The label shows the row's description.
    void ShowDescription();
    // A note at a control, with the system's beep, that leaves the
    // designed controls as they are: a tool tip, gone on the next key.
    void ShowNote(QWidget* at, const QString& text);

    std::unique_ptr<StatusBinding> FBinding;
    std::unique_ptr<ErrorCodeRow> FErrorCodeRow;
    // True while code selects the list's entry, which is no user's choice.
    bool FComboSelecting = false;
    bool FActivated = false;
    // Only on a screen too small for the window.
    QScrollArea* FScrollArea = nullptr;
    QLabel* FNote = nullptr;
    std::unique_ptr<LogWindow> FLogWindow;
};

extern TForm1* Form1;
