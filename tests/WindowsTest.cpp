#include "WindowFixture.h"

#include "app/WindowOptions.h"

#include "core/Exception.h"
#include "core/StatusRecord.h"
#include "ui/Application.h"
#include "ui/ExceptionBox.h"
#include "ui/WindowStyle.h"

#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>
#include <QTimer>

namespace {

TEST_F(WindowTest, StartsWithTheInitialState)
{
    EXPECT_EQ(status()->Text(), "80 80 80 80 80 80");
    EXPECT_EQ(code()->Text(), "0000");
    EXPECT_EQ(form().Label1->text(), "      ");
    EXPECT_EQ(Ticked(), BitSevenBoxes());
    EXPECT_EQ(form().ComboBox1->currentText(), "0. Документ закрыт");
    EXPECT_EQ(form().ComboBox1->count(), 16);
    EXPECT_EQ(form().LastStatusText(), "80 80 80 80 80 80");
    EXPECT_EQ(form().LastErrorCodeText(), "0000");
    EXPECT_FALSE(status()->Model().Modified());
    EXPECT_TRUE(status()->hasFocus());
    EXPECT_EQ(form().windowTitle(), "Regalo_Vespera ver. 1.0.2 30.11.2017");
    const QRect screen = form().screen()->availableGeometry();
    if (screen.width() > form().width()) {
        EXPECT_NEAR(form().frameGeometry().center().x(), screen.center().x(), 8);
    }
    EXPECT_TRUE(boxes.empty());
}

// Every control is found by its designed name, lies inside its parent and
// clear of its siblings; a control may lie on a group box, as the error row's do.
TEST_F(WindowTest, EveryControlHasItsNameAndItsOwnPlace)
{
    const QList<QWidget*> controls =
        form().findChildren<QWidget*>(QRegularExpression(QStringLiteral("^(GroupBox|CheckBox|Button|MaskEdit|ComboBox|Label)\\d+$")));
    EXPECT_EQ(controls.size(), 7 + 48 + 3 + 2 + 1 + 3);
    for (QWidget* control : controls) {
        const std::string name = control->objectName().toStdString();
        EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry())) << name << " leaves its parent";
        for (QWidget* other : controls) {
            const bool onAGroupBox = (qobject_cast<QGroupBox*>(control) == nullptr) != (qobject_cast<QGroupBox*>(other) == nullptr);
            if (other != control && other->parentWidget() == control->parentWidget() && !onAGroupBox) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry()))
                    << name << " overlaps " << other->objectName().toStdString();
            }
        }
    }
    EXPECT_EQ(form().findChild<QWidget*>("MaskEdit2")->parentWidget(), &form());
    EXPECT_EQ(form().findChild<QWidget*>("Label1")->parentWidget()->objectName(), "GroupBox7");
    EXPECT_EQ(form().CheckBox(17)->parentWidget()->objectName(), "GroupBox3");
    EXPECT_EQ(form().CheckBox(9)->parentWidget()->objectName(), "GroupBox2");
    EXPECT_EQ(form().CheckBox(1)->text(), "Регистрвтор находится в сервисном режиме");
    EXPECT_EQ(form().CheckBox(18)->text(), "(2) Заканчивается контрольная лента");
    EXPECT_EQ(form().GroupBoxes[4]->title(), "Статус регистратора - байт 2 (состояние чека)");
    // Boxes are numbered by group box, not by byte.
    const std::pair<std::pair<int, int>, int> boxOfFlag[] = {{{1, 0}, 17}, {{3, 0}, 9}, {{2, 3}, 36}, {{5, 6}, 47}};
    for (const auto& [flag, number] : boxOfFlag)
        EXPECT_EQ(form().FlagBox(flag.first, flag.second), form().CheckBox(number)) << number;
}

TEST_F(WindowTest, TabOrderRunsThroughThePanelsThenTheButtons)
{
    std::vector<QString> expected;
    for (int first : {1, 9, 17, 25, 33}) {
        for (int n = first; n < first + 8; ++n)
            expected.push_back(QStringLiteral("CheckBox%1").arg(n));
    }
    expected.push_back("ComboBox1");
    for (int n = 41; n <= 48; ++n)
        expected.push_back(QStringLiteral("CheckBox%1").arg(n));
    for (const char* name : {"Button1", "MaskEdit1", "MaskEdit2", "Button2", "Button3", "CheckBox1"})
        expected.push_back(name);

    form().CheckBox(1)->setFocus(Qt::TabFocusReason);
    for (const QString& name : expected) {
        QWidget* focused = QApplication::focusWidget();
        // The list's editor stands for the list.
        if (focused && focused->parentWidget() == form().ComboBox1)
            focused = form().ComboBox1;
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

// Run on screens of many sizes (tests/screens): the window stays on the
// screen, and on one too small for it every control can still be reached.
TEST_F(WindowTest, FitsTheScreenAndEveryControlCanBeReached)
{
    const QRect available = form().screen()->availableGeometry();
    EXPECT_TRUE(available.contains(form().frameGeometry()))
        << form().frameGeometry().width() << "x" << form().frameGeometry().height();
    auto* area = form().findChild<QScrollArea*>();
    const QSize outer = QSize(791, 646).grownBy(form().windowHandle()->frameMargins());
    EXPECT_EQ(area == nullptr, outer.boundedTo(available.size()) == outer);
    if (area == nullptr) {
        EXPECT_EQ(form().size(), QSize(791, 646));
        return;
    }
    EXPECT_EQ(area->widget()->size(), QSize(791, 646));
    QWidget* viewport = area->viewport();
    auto inView = [&](QWidget* control) {
        return viewport->isAncestorOf(control) && viewport->rect().contains(QRect(control->mapTo(viewport, QPoint(0, 0)), control->size()));
    };
    // Tab reaches every control and brings it into view.
    form().CheckBox(1)->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 60; ++step) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_TRUE(inView(focused)) << focused->objectName().toStdString();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    // So does focus given any other way, and the scroll bars reach the rest.
    code()->setFocus(Qt::OtherFocusReason);
    EXPECT_TRUE(inView(code()));
    form().CheckBox(1)->setFocus(Qt::MouseFocusReason);
    EXPECT_TRUE(inView(form().CheckBox(1)));
    EXPECT_GE(viewport->width() + area->horizontalScrollBar()->maximum(), 791);
    EXPECT_GE(viewport->height() + area->verticalScrollBar()->maximum(), 646);
}

TEST_F(WindowTest, AboutWindowOpensModallyAndHidesAgain)
{
    for (int round = 0; round < 2; ++round) {
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            wasModal = Form2->isVisible() && QApplication::activeModalWidget() == Form2;
            // Active, its button focused, centred on the screen by its frame.
            EXPECT_TRUE(QTest::qWaitForWindowActive(Form2));
            EXPECT_EQ(QApplication::focusWidget(), Form2->Button1);
            const QPoint offCentre = Form2->frameGeometry().center() - form().screen()->availableGeometry().center();
            EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ", " << offCentre.y();
            // Escape leaves it open; Enter on its focused button closes it.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            EXPECT_TRUE(Form2->isVisible());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        form().Button3->click();
        EXPECT_TRUE(wasModal);
        EXPECT_FALSE(Form2->isVisible());
    }
    EXPECT_EQ(Form2->windowTitle(), "О программе");
    EXPECT_EQ(Form2->Label1->text(), "ПО Regalo_Vespera ver. 1.0.2 30.11.2017  предназначено для   получения  ");
    EXPECT_EQ(Form2->Label4->text(), "");
    EXPECT_EQ(Form2->size(), QSize(429, 191));
}

TEST_F(WindowTest, CloseButtonClosesTheMainWindow)
{
    form().Button1->click();
    EXPECT_FALSE(form().isVisible());
}

TEST(ExceptionBoxRules, FullStopAndProgramTitle)
{
    const std::pair<const char*, const char*> stops[] = {
        {"Invalid input value.  Use escape key to abandon changes",
         "Invalid input value.  Use escape key to abandon changes."},
        {"Готово", "Готово."}, {"Done.", "Done."}, {"Done!", "Done!"}, {"(x)", "(x)"},
        {"trailing ", "trailing "}, {"", ""}, {"a/", "a/."},
    };
    for (const auto& [message, shown] : stops)
        EXPECT_EQ(WithClosingFullStop(QString::fromUtf8(message)), QString::fromUtf8(shown));

    const std::pair<const char*, const char*> titles[] = {
        {"/usr/bin/Regalo_Vespera", "Regalo_vespera"},
        {"/opt/x/Regalo_Vespera.exe", "Regalo_vespera"},
        {"/opt/REGALO.VESPERA.EXE", "Regalo"},
        {"prog", "prog"},
        {"/usr/bin/ПРОГРАММА", "Программа"},
    };
    for (const auto& [path, title] : titles)
        EXPECT_EQ(ProgramTitleFromPath(QString::fromUtf8(path)), QString::fromUtf8(title)) << path;
}

// An object whose event handler throws what it is given.
class Thrower : public QObject {
public:
    std::function<void()> action;

protected:
    bool event(QEvent*) override
    {
        action();
        return true;
    }
};

TEST_F(WindowTest, ErrorsEscapingAHandlerShowTheStandardBoxAndTheProgramGoesOn)
{
    Thrower thrower;
    QEvent event(QEvent::User);
    const struct {
        std::function<void()> raise;
        QString text;
    } cases[] = {
        {[] { throw Exception("Invalid input value.  Use escape key to abandon changes"); },
         "Invalid input value.  Use escape key to abandon changes."},
        {[] { throw std::out_of_range("Ошибка диапазона"); }, "Ошибка диапазона."},
        {[] { throw 42; }, ""},
    };
    for (const auto& c : cases) {
        boxes.clear();
        thrower.action = c.raise;
        QCoreApplication::sendEvent(&thrower, &event);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, c.text);
        EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
        EXPECT_EQ(boxes[0].caption, ProgramTitle());
    }
}

TEST_F(WindowTest, AFailureDuringStartUpShowsTheBoxAndEndsWithZero)
{
    bool laterStepRan = false;
    EXPECT_EQ(TApplication::RunShowingFailures([&] {
                  throw Exception("Не удалось создать окно");
                  laterStepRan = true;
              }),
              0);
    EXPECT_EQ(TApplication::RunShowingFailures([] { throw 42; }), 0);
    EXPECT_FALSE(laterStepRan);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Не удалось создать окно.");
    EXPECT_EQ(boxes[1].text, "");
    EXPECT_EQ(boxes[1].icon, QMessageBox::Critical);
}

TEST(Application, RunShowsTheWindowAndEndsWithZeroWhenItCloses)
{
    auto* application = qobject_cast<TApplication*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    bool shown = false;
    QTimer::singleShot(0, [&] {
        ASSERT_NE(Form1, nullptr);
        ASSERT_NE(Form2, nullptr);
        shown = Form1->isVisible() && !Form2->isVisible();
        Form1->Button1->click();
    });
    EXPECT_EQ(application->Run(), 0);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
    EXPECT_EQ(Form1, nullptr);
    EXPECT_EQ(Form2, nullptr);
}

// What --status and --code open the window with: pasted and translated,
// the first digit highlighted, so that typing replaces them at once.
TEST_F(WindowTest, OpensWithAStatusLineAndACode)
{
    form().OpenWith("80-84-89-80-83-91", "0x0c05");
    EXPECT_EQ(status()->Text(), "80 84 89 80 83 91");
    EXPECT_EQ(form().ComboBox1->currentIndex(), 9);
    EXPECT_EQ(code()->Text(), "0c05");
    EXPECT_EQ(form().LastErrorCodeText(), "0c05");
    EXPECT_EQ(form().Label1->text(), "Ошибка фискальной памяти!\n ДОшибка в формате даты!");
    for (TMaskEdit* field : {status(), code()})
        EXPECT_EQ(std::pair(field->Model().SelStart(), field->Model().SelLength()), std::pair(0, 1)) << field->objectName().toStdString();
    ExpectInvariants();
    Type(status(), "9");
    EXPECT_EQ(status()->Text(), "90 84 89 80 83 91");
}

TEST(WindowOptions, TakesItsOwnAndQtsOptionsAndRefusesTheRest)
{
    using Action = WindowOptions::Action;
    using Problem = WindowOptions::Problem;
    const struct {
        std::vector<std::string> arguments;
        Action action;
        std::string language;
        Problem problem;
        std::string argument;
        std::string log = {};
    } cases[] = {
        {{"-platform", "offscreen", "--lang=en", "--style=fusion", "-reverse"}, Action::Run, "en", Problem::None, ""},
        {{"--lang", "en", "--lang", "ru"}, Action::Run, "ru", Problem::None, ""},
        {{"-v", "--lang", "en"}, Action::Version, "en", Problem::None, ""},
        {{"--version", "-h"}, Action::Help, "", Problem::None, ""},
        {{"--help", "--bogus"}, Action::Refuse, "", Problem::UnknownOption, "--bogus"},
        {{"--help=yes"}, Action::Refuse, "", Problem::UnknownOption, "--help=yes"},
        {{"--lang"}, Action::Refuse, "", Problem::MissingValue, "--lang"},
        {{"-platform"}, Action::Refuse, "", Problem::MissingValue, "-platform"},
        {{"--lang", "fr"}, Action::Refuse, "", Problem::UnknownLanguage, "fr"},
        {{"--", "-h"}, Action::Run, "", Problem::None, "", "-h"},
        // One log, as the one argument or after --log.
        {{"смена.log"}, Action::Run, "", Problem::None, "", "смена.log"},
        {{"--log=a.log", "--lang", "en"}, Action::Run, "en", Problem::None, "", "a.log"},
        {{"a.log", "b.log"}, Action::Refuse, "", Problem::UnexpectedArgument, "b.log"},
        {{"--log", "a.log", "b.log"}, Action::Refuse, "", Problem::UnexpectedArgument, "b.log"},
        {{"--status=80-84-89-80-83-91", "--code", "0c05"}, Action::Run, "", Problem::None, ""},
        {{"--status", "80 80"}, Action::Refuse, "", Problem::BadStatusLine, "80 80"},
        {{"--code", "05G1"}, Action::Refuse, "", Problem::BadErrorCode, "05G1"},
    };
    for (const auto& c : cases) {
        const WindowOptions options = ParseWindowOptions(c.arguments);
        const std::string name = c.arguments.front();
        EXPECT_EQ(options.action, c.action) << name;
        EXPECT_EQ(options.language, c.language) << name;
        EXPECT_EQ(options.problem, c.problem) << name;
        EXPECT_EQ(options.argument, c.argument) << name;
        EXPECT_EQ(options.log, c.log) << name;
    }
}

// The real program, on an X display that is not there.
void StartWithoutADisplay(QProcess& program, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4242"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(REGALO_PROGRAM), arguments);
}

// The real program, started without a display it could use: what asks for
// no window is answered all the same.
TEST(Application, AnswersItsOptionsWithoutAWindow)
{
    const struct {
        QStringList arguments;
        int exitCode;
        QString out; // contained in standard output
        QString err; // contained in standard error, which has two lines then
    } cases[] = {
        {{"--help"}, 0, "--lang ru|en", ""},
        {{"--lang", "ru", "--lang=en", "-h"}, 0, "Usage: Regalo_Vespera [options] [LOG]", ""},
        {{"--lang=ru", "--help"}, 0, "Использование: Regalo_Vespera [параметры] [ЖУРНАЛ]", ""},
        {{"-v"}, 0, "Regalo_Vespera 1.0.2\n", ""},
        {{"--lang", "en", "--bogus"}, 2, "", "Regalo_Vespera: unknown option \"--bogus\""},
        {{"--lang", "fr"}, 2, "", "\"fr\""},
        {{"--lang=ru", "смена.log", "чек.txt"}, 2, "", "Regalo_Vespera: лишний аргумент \"чек.txt\""},
        {{"--lang=en", "--code", "12345"}, 2, "", "Regalo_Vespera: --code takes a four-digit hexadecimal error code, such as 0501, not \"12345\""},
    };
    for (const auto& c : cases) {
        QProcess program;
        StartWithoutADisplay(program, c.arguments);
        ASSERT_TRUE(program.waitForFinished(20000));
        const QString name = c.arguments.join(' ');
        EXPECT_EQ(program.exitCode(), c.exitCode) << name.toStdString();
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_EQ(out.isEmpty(), c.out.isEmpty()) << name.toStdString();
        EXPECT_TRUE(out.contains(c.out)) << out.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), c.err.isEmpty() ? 0 : 2) << err.toStdString();
        EXPECT_TRUE(err.contains(c.err)) << err.toStdString();
    }
}

TEST(Application, WithoutADisplaySaysSoAndEndsWithOne)
{
    QProcess program;
    StartWithoutADisplay(program, {});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QString said = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(said.count(QLatin1Char('\n')), 1) << said.toStdString();
    EXPECT_TRUE(said.contains(QLatin1String("DISPLAY=\":4242\"")) && said.contains(QLatin1String("xvfb-run")))
        << said.toStdString();
}

TEST(FirstActivation, AClickThatActivatesTheWindowKeepsItsFocus)
{
    // A window shown in the background (another program had the focus):
    // the click reaches it before its first activation does.
    TForm1 form;
    form.setAttribute(Qt::WA_ShowWithoutActivating);
    // The window's native window exists from its construction on: the
    // attribute reaches it as Qt passes it at creation.
    form.windowHandle()->setProperty("_q_showWithoutActivating", true);
    form.show();
    ASSERT_FALSE(form.isActiveWindow());
    QTest::mouseClick(form.MaskEdit2, Qt::LeftButton, {}, QPoint(4, 4));
    form.activateWindow(); // as the window system does on that click
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    TestWindows::Type(QApplication::focusWidget(), QStringLiteral("0501"));
    EXPECT_EQ(form.MaskEdit2->Text(), "0501");
    EXPECT_EQ(form.MaskEdit1->Text(), "80 80 80 80 80 80");
}

} // namespace
