#include "ui/LogWindow.h"

#include "form/Form1Controls.h"
#include "translations/Language.h"
#include "ui/Beep.h"
#include "ui/ExceptionBox.h"
#include "ui/FileDialog.h"
#include "ui/LogChartView.h"
#include "ui/LogCsv.h"
#include "ui/LogSummaryText.h"
#include "ui/LogTableModel.h"
#include "ui/LogWork.h"
#include "ui/MessageBox.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>

namespace {

// While a log is read, what is read so far is drawn this often; the chart,
// which walks every reading, one time in kChartEvery.
constexpr int kRefreshMs = 150;
constexpr int kChartEvery = 4;
constexpr QSize kFirstSize(1040, 760);

// A filter as the list keeps it.
int Packed(LogTimeline::Filter filter, int value)
{
    return static_cast<int>(filter) << 16 | value;
}

template <class Widget>
Widget* Named(Widget* widget, const char* name, const QString& accessibleName = {})
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    return widget;
}

} // namespace

LogWindow::LogWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("LogWindow"));
    setWindowTitle(tr("Журнал — %1").arg(QString::fromUtf8(kForm1Caption)));
    model_ = new LogTableModel(timeline_, this);
    reading_ = new LogWork(this);
    saving_ = new LogWork(this);
    refresh_ = new QTimer(this);
    refresh_->setInterval(kRefreshMs);
    CreateControls();
    ConnectWork();
    resize(kFirstSize.boundedTo(screen()->availableGeometry().size() * 9 / 10));
}

LogWindow::~LogWindow()
{
    // The threads feed this window's timeline: they end before it goes.
    reading_->Stop();
    saving_->Stop();
}

void LogWindow::CreateControls()
{
    OpenButton = Named(new QPushButton(tr("Открыть журнал…")), "LogOpen");
    CopySummaryButton = Named(new QPushButton(tr("Копировать сводку")), "LogCopySummary");
    SaveCsvButton = Named(new QPushButton(tr("Сохранить как CSV…")), "LogSaveCsv");
    Filter = Named(new QComboBox, "LogFilter", tr("Показать"));
    auto* filterLabel = new QLabel(tr("&Показать:"));
    filterLabel->setBuddy(Filter);
    ChangesOnly = Named(new QCheckBox(tr("Только изменения")), "LogChangesOnly");
    // As on the page: a status line that repeats the one before is hidden.
    ChangesOnly->setChecked(true);
    auto* tools = new QHBoxLayout;
    for (QWidget* control : std::initializer_list<QWidget*>{OpenButton, CopySummaryButton, SaveCsvButton})
        tools->addWidget(control);
    tools->addStretch(1);
    tools->addWidget(filterLabel);
    tools->addWidget(Filter, 1);
    tools->addWidget(ChangesOnly);

    Summary = Named(new QTextBrowser, "LogSummary", tr("Сводка журнала"));
    Summary->setOpenLinks(false);
    Chart = new LogChartView([this](int width) {
        return timeline_.With([width](const LogTimeline& log) { return log.Chart(width, CurrentTranslation()); });
    });
    // Scrolled by keyboard too: named as the chart it shows.
    auto* chartArea = Named(new QScrollArea, "LogChartArea", Chart->accessibleName());
    chartArea->setWidget(Chart);
    chartArea->setWidgetResizable(true);
    chartArea->setFrameShape(QFrame::NoFrame);
    Timeline = Named(new QTableView, "LogTimeline", tr("Показания журнала"));
    Timeline->setModel(model_);
    Timeline->setSelectionBehavior(QAbstractItemView::SelectRows);
    Timeline->setSelectionMode(QAbstractItemView::SingleSelection);
    Timeline->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Timeline->setWordWrap(false);
    Timeline->setTabKeyNavigation(false);
    // Rows of one height: a million of them scroll as a screenful does.
    Timeline->verticalHeader()->hide();
    Timeline->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Timeline->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    Timeline->horizontalHeader()->setStretchLastSection(true);
    const QFontMetrics metrics = fontMetrics();
    const int pad = 3 * metrics.averageCharWidth();
    Timeline->setColumnWidth(LogTableModel::LineColumn, metrics.horizontalAdvance(QStringLiteral("00000000")) + pad);
    Timeline->setColumnWidth(LogTableModel::TimeColumn, metrics.horizontalAdvance(QStringLiteral("2026-12-09 10:00:01.250+03:00")) + pad);
    Timeline->setColumnWidth(LogTableModel::ValueColumn, metrics.horizontalAdvance(QStringLiteral("80 84 89 80 83 91")) + pad);
    Timeline->installEventFilter(this);
    Detail = Named(new QPlainTextEdit, "LogDetail", tr("Показание целиком"));
    Detail->setReadOnly(true);
    Detail->setPlaceholderText(tr("Выбранное показание — здесь целиком; двойной щелчок или Enter открывает его в главном окне."));

    auto* parts = new QSplitter(Qt::Vertical);
    parts->setChildrenCollapsible(false);
    // The table takes what the window gains; the rest start at a few lines each.
    const int line = metrics.lineSpacing();
    const std::tuple<QWidget*, int, int> heights[] = {{Summary, 10 * line, 0}, {chartArea, 13 * line, 0}, {Timeline, 12 * line, 1}, {Detail, 6 * line, 0}};
    QList<int> sizes;
    for (const auto& [part, height, stretch] : heights) {
        parts->addWidget(part);
        parts->setStretchFactor(parts->indexOf(part), stretch);
        sizes << height;
    }
    parts->setSizes(sizes);

    Progress = Named(new QWidget, "LogProgress");
    State = Named(new QLabel, "LogState");
    ProgressBar = Named(new QProgressBar, "LogProgressBar", tr("Чтение журнала"));
    ProgressBar->setRange(0, 1000);
    ProgressBar->setTextVisible(false);
    Cancel = Named(new QPushButton(tr("Отмена")), "LogCancel");
    auto* progress = new QHBoxLayout(Progress);
    progress->setContentsMargins(0, 0, 0, 0);
    progress->addWidget(State, 1);
    progress->addWidget(ProgressBar, 1);
    progress->addWidget(Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(parts, 1);
    layout->addWidget(Progress);
    Progress->hide();

    connect(OpenButton, &QPushButton::clicked, this, [this] { OpenAsked(); });
    connect(CopySummaryButton, &QPushButton::clicked, this, [this] { CopySummary(); });
    connect(SaveCsvButton, &QPushButton::clicked, this, [this] { SaveCsvAsked(); });
    connect(Filter, &QComboBox::currentIndexChanged, this, [this] { ApplyFilter(); });
    connect(ChangesOnly, &QCheckBox::toggled, this, [this] { ApplyFilter(); });
    connect(Summary, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        const QStringList parts = link.toString().split(QLatin1Char(':'));
        if (parts.size() == 3 && parts[0] == QLatin1String("filter"))
            ShowOnly(static_cast<LogTimeline::Filter>(parts[1].toInt()), parts[2].toInt());
    });
    connect(Chart, &LogChartView::LaneChosen, this, &LogWindow::ShowOnly);
    connect(Timeline, &QTableView::doubleClicked, this, [this] { OpenCurrentReading(); });
    connect(Timeline->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { ShowDetail(); });
    connect(Cancel, &QPushButton::clicked, this, [this] {
        reading_->Cancel();
        saving_->Cancel();
    });
}

void LogWindow::ConnectWork()
{
    connect(refresh_, &QTimer::timeout, this, [this] { Refresh(++refreshes_ % kChartEvery == 0); });
    const auto showDone = [this](qint64 read, qint64 size) { ProgressBar->setValue(size > 0 ? static_cast<int>(read * 1000 / size) : 0); };
    connect(reading_, &LogWork::Progressed, this, [this, showDone](qint64 read, qint64 size) {
        showDone(read, size);
        // The first rows at once; the rest as the timer draws.
        if (model_->rowCount() == 0)
            Refresh(false);
    });
    const auto ended = [this](const QString& state) {
        refresh_->stop();
        Refresh(true);
        ShowProgress(state, false);
    };
    connect(reading_, &LogWork::Finished, this, [ended] { ended({}); });
    connect(reading_, &LogWork::Cancelled, this, [this, ended] {
        ended(tr("Чтение остановлено: показано прочитанное, %1 % журнала.").arg(ProgressBar->value() / 10));
    });
    connect(reading_, &LogWork::Failed, this, [this, ended](const QString& why) {
        const QString words = tr("Журнал «%1» прочитан не весь: %2").arg(QDir::toNativeSeparators(source_.Name()), why);
        ended(words);
        ShowMessageBox({ProgramTitle(), words, QMessageBox::Warning});
    });
    connect(saving_, &LogWork::Progressed, this, showDone);
    connect(saving_, &LogWork::Finished, this, [this] { ShowProgress(tr("Сохранено."), false); });
    connect(saving_, &LogWork::Cancelled, this, [this] { ShowProgress(tr("Сохранение отменено."), false); });
    connect(saving_, &LogWork::Failed, this, [this](const QString& why) {
        const QString words = tr("CSV не сохранён: %1").arg(why);
        ShowProgress(words, false);
        ShowMessageBox({ProgramTitle(), words, QMessageBox::Warning});
    });
}

bool LogWindow::Open(const LogSource& source)
{
    QString why;
    if (LogPieces probe(source); !probe.Open(why)) {
        ShowMessageBox({ProgramTitle(), tr("Журнал «%1» не открыть: %2").arg(QDir::toNativeSeparators(source.path), why),
                        QMessageBox::Warning});
        return false;
    }
    reading_->Stop();
    source_ = source;
    setWindowTitle(tr("%1 — журнал — %2").arg(source.Name(), QString::fromUtf8(kForm1Caption)));
    timeline_.Change([](LogTimeline& log) { log.Start(); });
    {
        const QSignalBlocker quiet(Filter);
        Filter->clear();
        Filter->addItem(tr("Все показания"), Packed(LogTimeline::Filter::All, 0));
    }
    shownSummary_.clear();
    Summary->clear();
    Detail->clear();
    ApplyFilter();
    ProgressBar->setValue(0);
    ShowProgress(tr("Чтение журнала…"), true);
    reading_->Run(
        source, [this](std::string_view piece) { timeline_.Feed([piece](LogTimeline& log) { log.Feed(piece); }); },
        [this] {
            timeline_.Feed([](LogTimeline& log) { log.End(); });
            return QString();
        });
    refreshes_ = 0;
    refresh_->start();
    Chart->Refresh();
    show();
    raise();
    activateWindow();
    return true;
}

void LogWindow::OpenAsked()
{
    const QString path = AskForFile(this, FileWanted::Open, tr("Открыть журнал"), QFileInfo(source_.path).absolutePath(),
                                    tr("Журналы (*.log *.txt);;Текст (*.txt);;Все файлы (*)"));
    if (!path.isEmpty())
        Open({path, {}});
}

bool LogWindow::Busy() const
{
    return reading_->Running() || saving_->Running();
}

void LogWindow::ShowProgress(const QString& state, bool working)
{
    State->setText(state);
    ProgressBar->setVisible(working);
    Cancel->setVisible(working);
    Progress->setVisible(working || !state.isEmpty());
    SaveCsvButton->setEnabled(!working);
}

void LogWindow::Refresh(bool chart)
{
    model_->Grow();
    const QString html = timeline_.With([](const LogTimeline& log) { return SummaryHtml(log.Summary(), CurrentTranslation()); });
    if (html != shownSummary_) {
        // Drawn anew as the log is read: where the reader is in it stays.
        const int at = Summary->verticalScrollBar()->value();
        Summary->setHtml(html);
        Summary->verticalScrollBar()->setValue(at);
        shownSummary_ = html;
    }
    RefreshChoices();
    if (chart)
        Chart->Refresh();
}

void LogWindow::RefreshChoices()
{
    const auto choices = timeline_.With([](const LogTimeline& log) { return log.Choices(CurrentTranslation()); });
    if (Filter->count() == static_cast<int>(choices.size()) + 1)
        return; // the choices only grow
    const QSignalBlocker quiet(Filter);
    const QVariant chosen = Filter->currentData();
    while (Filter->count() > 1)
        Filter->removeItem(1);
    for (const LogTimeline::Choice& choice : choices)
        Filter->addItem(QString::fromStdString(choice.name), Packed(choice.filter, choice.value));
    Filter->setCurrentIndex(std::max(0, Filter->findData(chosen)));
}

void LogWindow::ApplyFilter()
{
    const int packed = Filter->currentData().toInt();
    const auto filter = static_cast<LogTimeline::Filter>(packed >> 16);
    timeline_.Change([&](LogTimeline& log) { log.Show(filter, packed & 0xFFFF, ChangesOnly->isChecked()); });
    model_->Reset();
    ShowDetail();
}

void LogWindow::ShowOnly(LogTimeline::Filter filter, int value)
{
    RefreshChoices();
    const int index = Filter->findData(Packed(filter, value));
    if (index >= 0)
        Filter->setCurrentIndex(index);
}

void LogWindow::ShowDetail()
{
    const int row = Timeline->currentIndex().row();
    if (row < 0) {
        Detail->clear();
        return;
    }
    const LogTimeline::Row reading = model_->RowAt(row);
    QString head = tr("Строка %1").arg(reading.line);
    if (!reading.time.empty())
        head += QStringLiteral(", ") + QString::fromStdString(reading.time);
    Detail->setPlainText(head + QLatin1Char('\n') + QString::fromStdString(reading.value) + QStringLiteral("\n\n")
                         + QString::fromStdString(reading.words));
}

void LogWindow::OpenCurrentReading()
{
    const int row = Timeline->currentIndex().row();
    if (row < 0)
        return;
    const LogTimeline::Row reading = model_->RowAt(row);
    switch (reading.kind) {
    case FoundReading::Kind::Status:
        emit ReadingChosen(QString::fromStdString(reading.value), {});
        return;
    case FoundReading::Kind::Error:
        emit ReadingChosen({}, QString::fromStdString(reading.value));
        return;
    case FoundReading::Kind::Unreadable:
        break;
    }
    // A value that cannot be read has nothing to open.
    Beep();
}

bool LogWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Timeline && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenCurrentReading();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LogWindow::CopySummary()
{
    QGuiApplication::clipboard()->setText(
        timeline_.With([](const LogTimeline& log) { return SummaryPlainText(log.Summary(), CurrentTranslation()); }));
}

void LogWindow::SaveCsvAsked()
{
    const QFileInfo log(source_.path.isEmpty() ? QDir::home().filePath(tr("журнал")) : source_.path);
    const QString target = AskForFile(this, FileWanted::Save, tr("Сохранить как CSV"),
                                      log.absolutePath() + QLatin1Char('/') + log.completeBaseName() + QStringLiteral(".csv"), tr("CSV (*.csv)"));
    if (!target.isEmpty())
        SaveCsv(target);
}

void LogWindow::SaveCsv(const QString& target)
{
    auto csv = std::make_shared<LogCsv>(target);
    ProgressBar->setValue(0);
    ShowProgress(tr("Сохранение CSV…"), true);
    saving_->Run(
        source_, [csv](std::string_view piece) { csv->Take(piece); }, [csv] { return csv->Finish(); });
}
