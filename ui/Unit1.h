#pragma once

#include "core/StatusFlagCatalogue.h"
#include "ui/OutermostScope.h"

#include <QWidget>

#include <array>
#include <optional>
#include <string>

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
// Writing a control from code runs its handler at once, so the handlers run
// inside one another: a typed digit ticks boxes, each box rewrites the field,
// which runs the field's handler again. Only the final state is ever seen,
// so what merely shows it is done once, when the outermost handler returns:
// the field draws itself then (see TMaskEdit) and the list shows its entry
// then (SelectReceiptState).
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
    void MaskEdit1Change(QObject* Sender);
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

    const std::string& LastStatusText() const { return FLastStatusText; }
    const std::string& LastErrorCodeText() const { return FLastErrorCodeText; }
    bool ComboUpdating() const { return FComboUpdating; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Centred where the window fits the screen, else scrolled at the size available.
    void PlaceOnScreen();
    void CreateControls();
    void CreatePanel(int byteIndex);
    void SetTabOrder();
    void ConnectHandlers();

    void WriteStatusField();
    // Takes a change of `field` against `lastText` when its first changed
    // character, or the one a keystroke typed over a selection, is a
    // hexadecimal digit, else puts `lastText` back. Returns the offset of the
    // change taken.
    std::optional<int> AcceptFieldChange(TMaskEdit& field, std::string& lastText);
    void ShowStatusByte(int byteIndex);
    void ShowByteInPanel(int byteIndex, unsigned value);
    void PanelClick(int byteIndex);
    // The byte a panel's boxes stand for.
    unsigned PanelValue(int byteIndex) const;
    void SelectReceiptState(int state);
    void ShowReceiptState(int state);
    // The entry whose caption the list's text is, or -1.
    int ChosenReceiptState() const;

    // Texts in the fields' 8-bit code page, one byte per position.
    std::string FLastStatusText;
    std::string FLastErrorCodeText;
    bool FComboUpdating = false;
    // True while code selects the list's entry, which is no user's choice.
    bool FComboSelecting = false;

    using HandlerScope = OutermostScope<TForm1>;
    HandlerScope Handling() { return HandlerScope(*this, FHandlerDepth, &TForm1::ShowPendingReceiptState); }
    void ShowPendingReceiptState();
    int FHandlerDepth = 0;
    std::optional<int> FPendingReceiptState;
    bool FActivated = false;
    // Only on a screen too small for the window.
    QScrollArea* FScrollArea = nullptr;
};

extern TForm1* Form1;
