#pragma once

#include "core/Cp1251.h"
#include "core/StatusFlagCatalogue.h"
#include "core/StatusRecord.h"
#include "ui/Beep.h"
#include "ui/MaskEdit.h"
#include "ui/MessageBox.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "translations/Language.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The main window and the hidden About window, created as the program
// creates them, shown and active; message boxes are recorded instead of shown
// and beeps counted.
class TestWindows {
public:
    TestWindows()
    {
        previousPresenter_ = SetMessageBoxPresenter([this](const MessageBoxContent& box) { boxes.push_back(box); });
        previousBeep_ = SetBeepHook([this] { ++beeps; });
        form_ = std::make_unique<TForm1>();
        Form1 = form_.get();
        about_ = std::make_unique<TForm2>(form_.get());
        Form2 = about_.get();
        form().show();
        form().activateWindow();
        bool active = QTest::qWaitForWindowActive(form_.get());
        // Asked again when the window system let a request pass (Wine, now
        // and then, on a busy machine).
        for (int attempt = 0; !active && attempt < 2; ++attempt) {
            form().activateWindow();
            active = QTest::qWaitForWindowActive(form_.get());
        }
        if (!active)
            ADD_FAILURE() << "the main window did not become active";
    }

    ~TestWindows()
    {
        about_.reset();
        Form2 = nullptr;
        form_.reset();
        Form1 = nullptr;
        SetBeepHook(previousBeep_);
        SetMessageBoxPresenter(previousPresenter_);
    }

    TestWindows(const TestWindows&) = delete;
    TestWindows& operator=(const TestWindows&) = delete;

    TForm1& form() { return *form_; }

    // Types as a keyboard would, Cyrillic included.
    static void Type(QWidget* widget, const QString& keys)
    {
        for (QChar c : keys) {
            const int key = c.unicode() < 0x80 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key(key), QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key(key), QString(c), Qt::NoModifier);
        }
    }

    // What a user relies on after every action; empty when all of it holds.
    std::string InvariantViolations()
    {
        std::ostringstream problem;
        const QString status = form_->MaskEdit1->Text();
        const QString code = form_->MaskEdit2->Text();
        if (status.size() != kStatusTextLength || code.size() != 4)
            problem << "field length: \"" << status.toStdString() << "\", \"" << code.toStdString() << "\"; ";
        for (int offset = 2; offset < kStatusTextLength; offset += 3) {
            if (status[offset] != QLatin1Char(' '))
                problem << "literal at " << offset << " gone: \"" << status.toStdString() << "\"; ";
        }
        if (ToCp1251(status.toStdU32String()) != form_->LastStatusText())
            problem << "field \"" << status.toStdString() << "\" but last accepted \"" << form_->LastStatusText() << "\"; ";
        for (int byte = 0; byte < kStatusByteCount; ++byte) {
            if (!form_->FlagBox(byte, kAlwaysSetBit)->isChecked())
                problem << "bit 7 of byte " << byte << " unticked; ";
            const QString field = status.mid(StatusFieldOffset(byte), 2);
            bool hex = false;
            const unsigned value = field.toUInt(&hex, 16);
            if (!hex || field.contains(QLatin1Char(' ')))
                continue;
            if (value & kAlwaysSetValue) {
                for (int bit = 0; bit < kAlwaysSetBit; ++bit) {
                    if (form_->FlagBox(byte, bit)->isChecked() != bool((value >> bit) & 1u))
                        problem << "byte " << byte << " \"" << field.toStdString() << "\" but bit " << bit << " box differs; ";
                }
            }
            if (byte == kReceiptStateByte && form_->ComboBox1->currentIndex() != ReceiptStateOf(value))
                problem << "list at " << form_->ComboBox1->currentIndex() << " for byte 2 \"" << field.toStdString() << "\"; ";
        }
        if (form_->ComboUpdating())
            problem << "list update flag left set; ";
        // The field shows what its model holds, the focused one its selection too.
        for (const TMaskEdit* field : {form_->MaskEdit1, form_->MaskEdit2}) {
            const MaskEditModel& model = field->Model();
            const bool shown = field->displayText().toStdU32String() == model.DisplayText()
                               && (!field->hasFocus()
                                   || (field->cursorPosition() == model.Active()
                                       && (field->hasSelectedText() ? field->selectionStart() : model.SelStart()) == model.SelStart()
                                       && field->selectionLength() == model.SelLength()));
            if (!shown)
                problem << field->objectName().toStdString() << " shows \"" << field->displayText().toStdString() << "\" from "
                        << field->cursorPosition() << ", its model holds \"" << field->Text().toStdString() << "\" from "
                        << model.SelStart() << "; ";
        }
        for (const MessageBoxContent& box : boxes) {
            if (box.icon == QMessageBox::Critical
                && box.text != QLatin1String("Invalid input value.  Use escape key to abandon changes."))
                problem << "error box \"" << box.text.toStdString() << "\"; ";
        }
        return problem.str();
    }

    std::vector<MessageBoxContent> boxes;
    int beeps = 0;

private:
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TForm2> about_;
    MessageBoxPresenter previousPresenter_;
    std::function<void()> previousBeep_;
};

// A fresh pair of windows for each test.
class WindowTest : public testing::Test, public TestWindows {
protected:
    TMaskEdit* status() { return form().MaskEdit1; }
    TMaskEdit* code() { return form().MaskEdit2; }

    // Puts the focus in `field` with the character at `offset` highlighted.
    void FocusAt(TMaskEdit* field, int offset)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->Model().PlaceCaret(offset);
    }

    // The numbers of the ticked check boxes.
    std::set<int> Ticked()
    {
        std::set<int> ticked;
        for (int number = 1; number <= 48; ++number) {
            if (form().CheckBox(number)->isChecked())
                ticked.insert(number);
        }
        return ticked;
    }

    static std::set<int> BitSevenBoxes() { return {8, 16, 24, 32, 40, 48}; }
    static std::set<int> With(std::set<int> extra)
    {
        std::set<int> all = BitSevenBoxes();
        all.insert(extra.begin(), extra.end());
        return all;
    }

    void ExpectInvariants() { EXPECT_EQ(InvariantViolations(), ""); }
};

// The windows created after a language is chosen, Qt's own texts included;
// Russian again afterwards.
class WindowsInLanguage {
protected:
    explicit WindowsInLanguage(Language language)
    {
        UseLanguage(language);
        windows_ = std::make_unique<TestWindows>();
    }
    ~WindowsInLanguage()
    {
        windows_.reset();
        UseLanguage(Language::Russian);
    }

    TForm1& form() { return windows_->form(); }

private:
    std::unique_ptr<TestWindows> windows_;
};
