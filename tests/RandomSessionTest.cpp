#include "WindowFixture.h"

#include "core/StatusRecord.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>

// Long random sessions of what a user can do with the main window, checking
// after every action what the user relies on. A failure names its seed and the
// shortest list of actions found that still fails.

namespace {

enum class Target { Status, Code, List };

struct Action {
    enum Kind { Key, Text, Paste, Click, ChooseByKey, TypeInList, Translate, FocusByClick, FocusByTab } kind;
    Target target = Target::Status;
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QString text;
    int number = 0;

    std::string Describe() const
    {
        const char* targets[] = {"status", "code", "list"};
        std::ostringstream out;
        switch (kind) {
        case Key:
            out << "key 0x" << std::hex << key << std::dec << " mods 0x" << std::hex << modifiers.toInt() << " in "
                << targets[int(target)];
            break;
        case Text:
            out << "type \"" << text.toStdString() << "\" in " << targets[int(target)];
            break;
        case Paste:
            out << "paste \"" << text.toStdString() << "\" in " << targets[int(target)];
            break;
        case Click:
            out << "click CheckBox" << number;
            break;
        case ChooseByKey:
            out << (number > 0 ? "Down" : "Up") << " in the list";
            break;
        case TypeInList:
            out << "type \"" << text.toStdString() << "\" in the list";
            break;
        case Translate:
            out << "click Button2";
            break;
        case FocusByClick:
            out << "click into " << targets[int(target)] << " at x=" << number;
            break;
        case FocusByTab:
            out << (number > 0 ? "Tab" : "Shift+Tab");
            break;
        }
        return out.str();
    }
};

class ActionMaker {
public:
    explicit ActionMaker(unsigned seed) : random_(seed) {}

    Action Next()
    {
        switch (Pick(16)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return {Action::Text, FieldTarget(), 0, {}, RandomText(1 + Pick(3))};
        case 4:
        case 5:
        case 6:
            return RandomKey();
        case 7:
            return {Action::Paste, FieldTarget(), 0, {}, RandomClip()};
        case 8: {
            const int key = Pick(2) ? Qt::Key_X : Qt::Key_C;
            return {Action::Key, FieldTarget(), key, Qt::ControlModifier, {}};
        }
        case 9:
        case 10:
            return {Action::Click, Target::Status, 0, {}, {}, 1 + Pick(48)};
        case 11:
            return {Action::ChooseByKey, Target::List, 0, {}, {}, Pick(2) ? 1 : -1};
        case 12:
            return {Action::TypeInList, Target::List, 0, {}, RandomListText()};
        case 13:
            return {Action::Translate, Target::Code, 0, {}, {}};
        case 14:
            return {Action::FocusByClick, FieldTarget(), 0, {}, {}, Pick(110)};
        default:
            return {Action::FocusByTab, Target::Status, 0, {}, {}, Pick(2) ? 1 : -1};
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    Target FieldTarget() { return Pick(3) ? Target::Status : Target::Code; }

    QString RandomText(int length)
    {
        static const QString pools[] = {
            "0123456789ABCDEF", "abcdef", "GHIJKLMNOPQRSTUVWXYZghz", "АБВЖЯабвжяЁёІїЄґЎ", "-!.,:;_#№ ", " ",
        };
        QString text;
        for (int i = 0; i < length; ++i) {
            const QString& pool = pools[Pick(10) < 6 ? Pick(2) : 2 + Pick(4)];
            text += pool[Pick(int(pool.size()))];
        }
        return text;
    }

    QString RandomClip()
    {
        QString hex;
        const int bytes = Pick(8);
        const QString separator = QStringList{" ", "-", "", ":"}[Pick(4)];
        for (int i = 0; i < bytes; ++i) {
            if (i > 0)
                hex += separator;
            hex += QStringLiteral("%1").arg(Pick(256), 2, 16, QLatin1Char('0'));
        }
        switch (Pick(6)) {
        case 0:
            return hex.toUpper();
        case 1:
            return hex;
        case 2:
            return RandomText(Pick(20));
        case 3:
            return QString(200 + Pick(300), QLatin1Char('8'));
        case 4:
            return {};
        default:
            return QStringLiteral("%1").arg(Pick(0x10000), 4, 16, QLatin1Char('0'));
        }
    }

    QString RandomListText()
    {
        switch (Pick(3)) {
        case 0:
            return QString::number(Pick(17));
        case 1:
            return QString::fromUtf8(ReceiptStateList[static_cast<std::size_t>(Pick(16))]);
        default:
            return RandomText(1 + Pick(4));
        }
    }

    Action RandomKey()
    {
        static const int keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Left,
                                   Qt::Key_Right,     Qt::Key_Up,     Qt::Key_Down, Qt::Key_Escape, Qt::Key_Return,
                                   Qt::Key_Tab,       Qt::Key_Left,   Qt::Key_Right};
        Qt::KeyboardModifiers modifiers;
        const int key = keys[Pick(int(std::size(keys)))];
        if ((key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End) && Pick(2))
            modifiers |= Qt::ShiftModifier;
        if ((key == Qt::Key_Left || key == Qt::Key_Right) && Pick(3) == 0)
            modifiers |= Qt::ControlModifier;
        return {Action::Key, FieldTarget(), key, modifiers, {}};
    }

    std::mt19937 random_;
};

class Session : public TestWindows {
public:
    void Do(const Action& action)
    {
        TForm1& form = this->form();
        QWidget* target = action.target == Target::Status ? static_cast<QWidget*>(form.MaskEdit1)
                          : action.target == Target::Code ? static_cast<QWidget*>(form.MaskEdit2)
                                                          : form.ComboBox1->lineEdit();
        switch (action.kind) {
        case Action::Key:
            QTest::keyClick(Focused(target), Qt::Key(action.key), action.modifiers);
            break;
        case Action::Text:
            Type(Focused(target), action.text);
            break;
        case Action::Paste:
            QGuiApplication::clipboard()->setText(action.text);
            QTest::keyClick(Focused(target), Qt::Key_V, Qt::ControlModifier);
            break;
        case Action::Click:
            QTest::mouseClick(form.CheckBox(action.number), Qt::LeftButton, {}, QPoint(6, 6));
            break;
        case Action::ChooseByKey:
            QTest::keyClick(Focused(target), action.number > 0 ? Qt::Key_Down : Qt::Key_Up);
            break;
        case Action::TypeInList: {
            QWidget* editor = Focused(target);
            if (editor->hasFocus())
                form.ComboBox1->lineEdit()->selectAll();
            Type(editor, action.text);
            break;
        }
        case Action::Translate:
            QTest::mouseClick(form.Button2, Qt::LeftButton);
            break;
        case Action::FocusByClick:
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(action.number % target->width(), target->height() / 2));
            break;
        case Action::FocusByTab:
            if (QWidget* focused = QApplication::focusWidget())
                QTest::keyClick(focused, Qt::Key_Tab, action.number > 0 ? Qt::NoModifier : Qt::ShiftModifier);
            break;
        }
        QCoreApplication::processEvents();
    }

    // The invariants, with the boxes shown since the last look forgotten.
    std::string Violation()
    {
        std::string problem = InvariantViolations();
        boxes.clear();
        return problem;
    }

private:
    static QWidget* Focused(QWidget* target)
    {
        // Keys go where the focus is; a refused exit may keep it elsewhere.
        if (!target->hasFocus())
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
        return QApplication::focusWidget() ? QApplication::focusWidget() : target;
    }
};

// Runs `actions` on a fresh window; the index of the first failing action, or -1.
int FirstFailure(const std::vector<Action>& actions, std::string* violation = nullptr)
{
    Session session;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        session.Do(actions[i]);
        const std::string problem = session.Violation();
        if (!problem.empty()) {
            if (violation)
                *violation = problem;
            return int(i);
        }
    }
    return -1;
}

// Removes chunks of actions, halving the chunk size, for as long as the
// session still fails; stops early after a minute with the shortest list found.
std::vector<Action> Shrink(std::vector<Action> actions)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    for (std::size_t chunk = std::max<std::size_t>(actions.size() / 2, 1); chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start < actions.size();) {
            if (std::chrono::steady_clock::now() > deadline)
                return actions;
            std::vector<Action> without = actions;
            without.erase(without.begin() + std::ptrdiff_t(start),
                          without.begin() + std::ptrdiff_t(std::min(start + chunk, without.size())));
            const int failure = FirstFailure(without);
            if (failure >= 0)
                actions.assign(without.begin(), without.begin() + failure + 1);
            else
                start += chunk;
        }
        if (chunk == 1)
            break;
    }
    return actions;
}

int FromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value ? std::max(1, std::atoi(value)) : fallback;
}

class RandomSession : public testing::TestWithParam<unsigned> {};

TEST_P(RandomSession, KeepsEveryInvariant)
{
    // REGALO_SESSION_ACTIONS sets a longer run for local use.
    const int count = FromEnvironment("REGALO_SESSION_ACTIONS", 5000);
    const unsigned seed = GetParam();
    ActionMaker maker(seed);
    Session session;
    std::vector<Action> actions;
    for (int i = 0; i < count; ++i) {
        actions.push_back(maker.Next());
        session.Do(actions.back());
        const std::string problem = session.Violation();
        if (problem.empty())
            continue;
        std::ostringstream report;
        report << "seed " << seed << ", action " << i << ": " << problem << "\nshortest failing actions:\n";
        for (const Action& action : Shrink(actions))
            report << "  " << action.Describe() << '\n';
        FAIL() << report.str();
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, testing::Range(1u, 21u));

} // namespace
