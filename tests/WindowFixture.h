#pragma once

#include "core/Cp1251.h"
#include "core/StatusFlagCatalogue.h"
#include "ui/Beep.h"
#include "ui/MaskEdit.h"
#include "ui/MessageBox.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

#include <memory>
#include <set>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A fresh main window and About window per test, shown and active, with
// message boxes recorded instead of shown and beeps counted.
class WindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        previousPresenter_ = SetMessageBoxPresenter([this](const MessageBoxContent& box) { boxes.push_back(box); });
        previousBeep_ = SetBeepHook([this] { ++beeps; });
        form_ = std::make_unique<TForm1>();
        Form1 = form_.get();
        about_ = std::make_unique<TForm2>();
        Form2 = about_.get();
        form_->show();
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    void TearDown() override
    {
        about_.reset();
        Form2 = nullptr;
        form_.reset();
        Form1 = nullptr;
        SetBeepHook(previousBeep_);
        SetMessageBoxPresenter(previousPresenter_);
    }

    TForm1& form() { return *form_; }
    TMaskEdit* status() { return form_->MaskEdit1; }
    TMaskEdit* code() { return form_->MaskEdit2; }

    // Puts the focus in `field` with the character at `offset` highlighted.
    void FocusAt(TMaskEdit* field, int offset)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->Model().PlaceCaret(offset);
    }

    // Types as a keyboard would, Cyrillic included.
    static void Type(QWidget* widget, const QString& keys)
    {
        for (QChar c : keys) {
            const int key = c.unicode() < 0x80 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
            QTest::sendKeyEvent(QTest::Press, widget, Qt::Key(key), QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget, Qt::Key(key), QString(c), Qt::NoModifier);
        }
    }

    // The numbers of the ticked check boxes.
    std::set<int> Ticked()
    {
        std::set<int> ticked;
        for (int number = 1; number <= 48; ++number) {
            if (form_->CheckBox(number)->isChecked())
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

    // What a user relies on after every action.
    void ExpectInvariants()
    {
        const QString text = status()->Text();
        EXPECT_EQ(ToCp1251(text.toStdU32String()), form_->LastStatusText());
        for (int number : BitSevenBoxes())
            EXPECT_TRUE(form_->CheckBox(number)->isChecked()) << "CheckBox" << number;
        bool ok = false;
        const int byte2 = text.mid(6, 2).toInt(&ok, 16);
        if (ok && text.mid(6, 2).trimmed().size() == 2) {
            EXPECT_EQ(form_->ComboBox1->currentIndex(), byte2 & 0x0F) << text.toStdString();
        }
        EXPECT_FALSE(form_->ComboUpdating());
    }

    std::vector<MessageBoxContent> boxes;
    int beeps = 0;

private:
    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TForm2> about_;
    MessageBoxPresenter previousPresenter_;
    std::function<void()> previousBeep_;
};
