#include "WindowFixture.h"

#include "core/Reading.h"
#include "form/LogTimeline.h"
#include "ui/Application.h"
#include "ui/FileDialog.h"
#include "ui/LogWindow.h"

#include <QAccessible>
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace {

QString LogFile(const char* name)
{
    return QStringLiteral(REGALO_TEST_LOGS "/") + QString::fromLatin1(name);
}

// What regalo-decode writes; its own words follow the system, so a test of
// the window (in Russian) asks for Russian.
QByteArray Decode(const QStringList& arguments)
{
    QProcess decode;
    decode.start(QStringLiteral(REGALO_DECODE), arguments);
    EXPECT_TRUE(decode.waitForFinished(60000)) << arguments.join(' ').toStdString();
    return decode.readAllStandardOutput();
}

// Each row as its line and value, as regalo-decode scan writes them first.
QStringList ScannedRows(const QString& file)
{
    QStringList rows;
    for (const QString& line : QString::fromUtf8(Decode({QStringLiteral("scan"), file})).split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        rows << fields[0] + ' ' + fields[2];
    }
    return rows;
}

QStringList Rows(const LogWindow& log)
{
    QStringList rows;
    const QAbstractItemModel& model = *log.Timeline->model();
    for (int row = 0; row < model.rowCount(); ++row)
        rows << model.index(row, 0).data().toString() + ' ' + model.index(row, 2).data().toString();
    return rows;
}

// The log's window once it shows `name` and has read it all.
bool HasRead(TForm1& form, const QString& name)
{
    return QTest::qWaitFor([&] { return form.Log() != nullptr && form.Log()->windowTitle().startsWith(name + QStringLiteral(" — ")); }, 10000)
           && QTest::qWaitFor([&] { return !form.Log()->Busy(); }, 60000);
}

void Drop(QWidget* on, const QString& path)
{
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(on, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(on, &drop);
}

class LogWindowTest : public WindowTest {
protected:
    LogWindow& log() { return *form().Log(); }

    void Open(const char* name)
    {
        ASSERT_TRUE(form().OpenLog(LogFile(name)));
        ASSERT_TRUE(HasRead(form(), QString::fromLatin1(name)));
    }
    void Choose(const QString& filter, bool changesOnly)
    {
        log().ChangesOnly->setChecked(changesOnly);
        const int index = log().Filter->findText(filter);
        ASSERT_GE(index, 0) << filter.toStdString();
        log().Filter->setCurrentIndex(index);
    }
    int RowOf(const QString& value)
    {
        const QStringList rows = Rows(log());
        for (int row = 0; row < rows.size(); ++row) {
            if (rows[row].endsWith(' ' + value))
                return row;
        }
        return -1;
    }
};

} // namespace

TEST_F(LogWindowTest, EachWayInOpensTheLogWithTheRowsTheScanFinds)
{
    const auto answering = [](const QString& path, const std::function<void()>& ask) {
        const FileAnswer previous = SetFileAnswer([path](FileWanted, const QString&) { return path; });
        ask();
        SetFileAnswer(previous);
    };
    const struct {
        const char* file;
        QString name; // the window's title starts with it
        std::function<void(TForm1&, const QString&)> open;
    } ways[] = {
        {"cp1251.log", "cp1251.log", [&](TForm1& form, const QString& path) {
             answering(path, [&] { QTest::keyClick(form.MaskEdit1, Qt::Key_O, Qt::ControlModifier); });
         }},
        {"driver.log", "driver.log", [&](TForm1& form, const QString& path) {
             answering(path, [&] { form.GroupBoxes[0]->actions().at(1)->trigger(); });
         }},
        // On the list's text, which takes dropped text but passes a file on.
        {"utf16.log", "utf16.log", [](TForm1& form, const QString& path) { Drop(form.ComboBox1->lineEdit(), path); }},
        {"shift.log", "вставленные строки", [this](TForm1& form, const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::ReadOnly));
             QGuiApplication::clipboard()->setText(QString::fromUtf8(file.readAll()));
             FocusAt(form.MaskEdit2, 0);
             QTest::keyClick(form.MaskEdit2, Qt::Key_V, Qt::ControlModifier);
         }},
    };
    EXPECT_EQ(form().GroupBoxes[0]->actions().at(1)->text(), QStringLiteral("Открыть журнал…"));
    for (const auto& way : ways) {
        const QString path = LogFile(way.file);
        way.open(form(), path);
        ASSERT_TRUE(HasRead(form(), way.name)) << way.file;
        EXPECT_TRUE(log().isVisible());
        log().ChangesOnly->setChecked(false);
        EXPECT_EQ(Rows(log()), ScannedRows(path)) << way.file;
        // The main window as it was: nothing of the log is put in its fields.
        EXPECT_EQ(status()->Text(), QStringLiteral("80 80 80 80 80 80"));
        EXPECT_EQ(code()->Text(), QStringLiteral("0000"));
        EXPECT_EQ(beeps, 0);
    }
}

TEST_F(LogWindowTest, TheSummaryIsTheScansAndTheFilterChoosesTheRows)
{
    Open("shift.log");
    log().CopySummaryButton->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toUtf8(), Decode({QStringLiteral("--lang"), QStringLiteral("ru"), QStringLiteral("scan"), QStringLiteral("--summary"), LogFile("shift.log")}));

    const struct {
        QString filter;
        bool changesOnly;
        QStringList rows;
    } cases[] = {
        {"Все показания", false, ScannedRows(LogFile("shift.log"))},
        // Lines 8 and 16 repeat the status line before them.
        {"Все показания", true, {"5 80 80 88 80 83 91", "7 80 84 89 80 83 91", "11 0501", "12 0E05", "13 0301", "14 0000",
                                 "15 80 80 89 80 83 91", "18 80 84 89 80 83 91"}},
        {"0E05", true, {"12 0E05"}},
        {"байт 1: (4) Закончилась чековая лента", true, {"7 80 84 89 80 83 91", "15 80 80 89 80 83 91", "18 80 84 89 80 83 91"}},
    };
    for (const auto& c : cases) {
        Choose(c.filter, c.changesOnly);
        EXPECT_EQ(Rows(log()), c.rows) << c.filter.toStdString();
    }
    // A code's entry in the summary is a link to its readings, as its lane in the chart is.
    ErrorCode code{};
    InputProblem problem{};
    ASSERT_TRUE(ParseErrorCode("0501", code, problem));
    emit log().Summary->anchorClicked(QUrl(QStringLiteral("filter:2:%1").arg(LogTimeline::FilterValue(code))));
    EXPECT_EQ(log().Filter->currentText(), QStringLiteral("0501"));
    EXPECT_EQ(Rows(log()), QStringList{"11 0501"});
}

TEST_F(LogWindowTest, ARowOpensItsReadingInTheMainWindow)
{
    Open("shift.log");
    log().ChangesOnly->setChecked(false);
    const struct {
        QString value;
        bool doubleClick; // else Enter
        QString status;
        QString code;
    } cases[] = {
        {"0501", false, "80 80 80 80 80 80", "0501"},
        {"80 84 89 80 83 91", true, "80 84 89 80 83 91", "0501"},
        {"0E05", true, "80 84 89 80 83 91", "0E05"},
    };
    for (const auto& c : cases) {
        const int row = RowOf(c.value);
        ASSERT_GE(row, 0) << c.value.toStdString();
        log().Timeline->setFocus();
        log().Timeline->setCurrentIndex(log().Timeline->model()->index(row, 0));
        if (c.doubleClick) {
            const QRect cell = log().Timeline->visualRect(log().Timeline->currentIndex());
            // As a mouse sends it: a click, then the second press as a double click.
            QTest::mouseClick(log().Timeline->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(log().Timeline->viewport(), Qt::LeftButton, {}, cell.center());
        } else {
            QTest::keyClick(log().Timeline, Qt::Key_Return);
        }
        EXPECT_EQ(status()->Text(), c.status) << c.value.toStdString();
        EXPECT_EQ(code()->Text(), c.code) << c.value.toStdString();
        // The row stays chosen in the log, its reading whole below it.
        EXPECT_EQ(log().Timeline->currentIndex().row(), row);
        EXPECT_TRUE(log().Detail->toPlainText().contains(c.value)) << log().Detail->toPlainText().toStdString();
    }
    EXPECT_EQ(form().Label1->text(), QStringLiteral("Ошибка фискальной памяти!\n Устанавливаемое время меньше текущего!"));
    ExpectInvariants();
}

TEST_F(LogWindowTest, CancelStopsALargeReadAndKeepsWhatWasRead)
{
    QByteArray text;
    for (int i = 0; i < 600000; ++i)
        text += i % 2 ? "10:00:01 status 80 84 89 80 83 91\n" : "10:00:02 status 80 80 89 80 83 91 ERR 0501\n";
    form().OpenLogText(text);
    log().Cancel->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log().Busy(); }, 60000));
    EXPECT_TRUE(log().State->text().startsWith(QStringLiteral("Чтение остановлено"))) << log().State->text().toStdString();
    EXPECT_FALSE(log().ProgressBar->isVisible());
    const int rows = log().Timeline->model()->rowCount();
    EXPECT_LT(rows, 900000);
    QTest::qWait(200);
    EXPECT_EQ(log().Timeline->model()->rowCount(), rows);
}

TEST_F(LogWindowTest, AFileThatCannotBeReadIsNamedAndNothingChanges)
{
    const QTemporaryDir folder;
    for (const QString& path : {folder.filePath(QStringLiteral("нет такого.log")), folder.path()}) {
        boxes.clear();
        EXPECT_FALSE(form().OpenLog(path));
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].text.contains(QDir::toNativeSeparators(path))) << boxes[0].text.toStdString();
        EXPECT_TRUE(form().Log() == nullptr || !form().Log()->isVisible());
        EXPECT_EQ(status()->Text(), QStringLiteral("80 80 80 80 80 80"));
    }
}

TEST_F(LogWindowTest, SavedAsTheSameCsvAsTheScans)
{
    Open("driver.log");
    const QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("смена.csv"));
    const FileAnswer previous = SetFileAnswer([&](FileWanted wanted, const QString& suggested) {
        EXPECT_EQ(wanted, FileWanted::Save);
        EXPECT_TRUE(suggested.endsWith(QStringLiteral("/driver.csv"))) << suggested.toStdString();
        return target;
    });
    log().SaveCsvButton->click();
    SetFileAnswer(previous);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !log().Busy(); }, 60000));
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    // Line by line, so that a difference shows where it is.
    EXPECT_EQ(QString::fromUtf8(saved.readAll()).split('\n'),
              QString::fromUtf8(Decode({QStringLiteral("--lang"), QStringLiteral("ru"), QStringLiteral("scan"), QStringLiteral("--csv"), LogFile("driver.log")})).split('\n'));
}

TEST(Application, OpensTheLogGivenOnItsCommandLine)
{
    auto* application = qobject_cast<TApplication*>(QCoreApplication::instance());
    ASSERT_NE(application, nullptr);
    QStringList rows;
    QTimer::singleShot(0, [&] {
        if (HasRead(*Form1, QStringLiteral("shift.log"))) {
            Form1->Log()->ChangesOnly->setChecked(false);
            rows = Rows(*Form1->Log());
        }
        Form1->Button1->click();
    });
    EXPECT_EQ(application->Run({}, {}, LogFile("shift.log").toStdString()), 0);
    EXPECT_EQ(rows, ScannedRows(LogFile("shift.log")));
}

namespace {

class LogWindowInEnglish : public testing::Test, protected WindowsInLanguage {
protected:
    LogWindowInEnglish() : WindowsInLanguage(Language::English) {}
};

} // namespace

TEST_F(LogWindowInEnglish, EveryWordItShowsOrNamesIsEnglish)
{
    ASSERT_TRUE(form().OpenLog(LogFile("shift.log")));
    ASSERT_TRUE(HasRead(form(), QStringLiteral("shift.log")));
    LogWindow& log = *form().Log();
    log.ChangesOnly->setChecked(false);
    log.Timeline->setCurrentIndex(log.Timeline->model()->index(1, 0));
    QStringList shown{log.windowTitle(), log.Summary->toPlainText(), log.Detail->toPlainText(), log.Detail->placeholderText()};
    for (const QWidget* control : log.findChildren<QWidget*>()) {
        shown << control->accessibleName() << control->accessibleDescription();
        // A reader names whatever the keyboard can reach.
        if (control->isVisible() && control->focusPolicy() != Qt::NoFocus) {
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control));
            EXPECT_TRUE(reader && !reader->text(QAccessible::Name).isEmpty()) << control->objectName().toStdString();
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            shown << button->text();
        if (const auto* label = qobject_cast<const QLabel*>(control))
            shown << label->text();
    }
    for (int i = 0; i < log.Filter->count(); ++i)
        shown << log.Filter->itemText(i);
    const QAbstractItemModel& rows = *log.Timeline->model();
    for (int column = 0; column < rows.columnCount(); ++column) {
        shown << rows.headerData(column, Qt::Horizontal).toString();
        for (int row = 0; row < rows.rowCount(); ++row)
            shown << rows.index(row, column).data(Qt::ToolTipRole).toString() << rows.index(row, column).data().toString();
    }
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    EXPECT_EQ(shown.filter(cyrillic), QStringList());
    EXPECT_TRUE(log.Summary->toPlainText().startsWith(QStringLiteral("Readings: 11"))) << log.Summary->toPlainText().toStdString();
}
