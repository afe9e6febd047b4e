#pragma once

#include "form/LogTimeline.h"
#include "ui/LogSource.h"
#include "ui/SharedTimeline.h"

#include <QWidget>

class LogChartView;
class LogTableModel;
class LogWork;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTextBrowser;
class QTimer;

// A log read into a timeline, in a window of its own beside the main one:
// its summary, the filter with "changes only", the rows, the chart, and
// while it is read a progress bar with Cancel. The log is read off the
// window's thread; what is read so far is shown as it comes.
class LogWindow : public QWidget
{
    Q_OBJECT

public:
    explicit LogWindow(QWidget* parent = nullptr);
    ~LogWindow() override;

    // Reads a log in and shows the window; a file that cannot be opened is
    // named in a message instead, and false returned.
    bool Open(const LogSource& source);
    // Asks for a file and opens it.
    void OpenAsked();

    // Shows a flag's or a code's readings, or all.
    void ShowOnly(LogTimeline::Filter filter, int value);
    void CopySummary();
    // Writes the timeline as regalo-decode scan --csv does, asking where.
    void SaveCsv(const QString& target);
    void SaveCsvAsked();
    // Opens the current row's reading in the main window.
    void OpenCurrentReading();

    const SharedTimeline& Log() const { return timeline_; }
    // Whether the log is still being read, or saved.
    bool Busy() const;

    // Controls; each one's object name is "Log" and its name here.
    QTextBrowser* Summary = nullptr;
    QComboBox* Filter = nullptr;
    QCheckBox* ChangesOnly = nullptr;
    QTableView* Timeline = nullptr;
    LogChartView* Chart = nullptr;
    QPlainTextEdit* Detail = nullptr;
    QWidget* Progress = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPushButton* Cancel = nullptr;
    QLabel* State = nullptr;
    QPushButton* OpenButton = nullptr;
    QPushButton* CopySummaryButton = nullptr;
    QPushButton* SaveCsvButton = nullptr;

signals:
    // A row's reading, to open in the main window: a status line or a code.
    void ReadingChosen(const QString& statusLine, const QString& code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectWork();
    // Draws what the timeline holds now; the chart too where `chart`.
    void Refresh(bool chart);
    void RefreshChoices();
    void ShowDetail();
    void ApplyFilter();
    void ShowProgress(const QString& state, bool working);

    SharedTimeline timeline_;
    LogSource source_;
    LogTableModel* model_ = nullptr;
    LogWork* reading_ = nullptr;
    LogWork* saving_ = nullptr;
    QTimer* refresh_ = nullptr;
    int refreshes_ = 0;
    QString shownSummary_;
};
