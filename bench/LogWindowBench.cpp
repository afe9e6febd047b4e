// The log window reading a polled driver's log of 50 MB (the same log as
// the page's benchmark): when its first rows show, when it is read whole,
// how late a key is answered meanwhile, and how much memory it takes
// against the file's size. Figures, not a test: run by scripts/bench.
#include "ui/Application.h"
#include "ui/LogWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <QCheckBox>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// The register asked every five seconds, its status changing now and then,
// an error now and then.
qint64 WritePolledLog(const QString& path)
{
    std::ofstream out(path.toStdString(), std::ios::binary);
    unsigned bytes[6] = {0x80, 0x80, 0x88, 0x80, 0x83, 0x91};
    qint64 size = 0;
    char line[128];
    for (long i = 0; size < 50L * 1024 * 1024; ++i) {
        const long second = i * 5;
        if (i % 2000 == 0)
            bytes[i % 6] = 0x80 | ((bytes[i % 6] + i) & 0x7F);
        const int day = 9 + static_cast<int>(second / 86400);
        const int length = i % 5000 == 4999
            ? std::snprintf(line, sizeof line, "2026-12-%02d %02ld:%02ld:%02ld.%03ld [FR] ERR 0x0%s\n", day, second / 3600 % 24,
                            second / 60 % 60, second % 60, i % 1000, i % 3 ? "501" : "301")
            : std::snprintf(line, sizeof line, "2026-12-%02d %02ld:%02ld:%02ld.%03ld [FR] <- %02X %02X %02X %02X %02X %02X (poll %ld)\n",
                            day, second / 3600 % 24, second / 60 % 60, second % 60, i % 1000, bytes[0], bytes[1], bytes[2],
                            bytes[3], bytes[4], bytes[5], i);
        out.write(line, length);
        size += length;
    }
    return size;
}

// The process's peak resident memory so far, in bytes.
qint64 PeakMemory()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One read of the log, the table showing changes only or every reading.
void Measure(TForm1& form, const QString& path, qint64 size, bool changesOnly)
{
    const qint64 before = PeakMemory();
    QElapsedTimer clock;
    double first = 0;
    double whole = 0;
    std::vector<double> delays;
    if (form.Log() != nullptr)
        form.Log()->ChangesOnly->setChecked(changesOnly);
    clock.start();
    form.OpenLog(path);
    LogWindow& log = *form.Log();
    log.ChangesOnly->setChecked(changesOnly);
    QTableView* rows = log.Timeline;
    const QMetaObject::Connection shown = QObject::connect(rows->model(), &QAbstractItemModel::rowsInserted, [&] {
        if (first == 0)
            first = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    });
    // A key every 10 ms while the log is read, moving down the table: how
    // long after it was due it was answered.
    std::function<void()> key = [&] {
        const double due = static_cast<double>(clock.nsecsElapsed()) / 1e6 + 10;
        QTimer::singleShot(10, [&, due] {
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QCoreApplication::sendEvent(rows, &down);
            rows->viewport()->repaint();
            delays.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6 - due);
            if (log.Busy()) {
                key();
                return;
            }
            whole = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            QCoreApplication::quit();
        });
    };
    key();
    QCoreApplication::exec();
    QObject::disconnect(shown);
    const qint64 grown = PeakMemory() - before;
    std::printf("log window, 50 MB polled log, %s (%d rows): first rows at %.0f ms (limit 300 ms), whole at %.0f ms (limit 3000 ms); "
                "keys meanwhile answered at most %.1f ms late (limit 50 ms; median %.1f ms, %zu keys)",
                changesOnly ? "changes only" : "every reading", rows->model()->rowCount(), first, whole,
                *std::max_element(delays.begin(), delays.end()), Median(delays), delays.size());
    if (grown > 0)
        std::printf("; memory grew by %.0f MB, %.2f× the file (limit 4×)", static_cast<double>(grown) / 1048576.0,
                    static_cast<double>(grown) / static_cast<double>(size));
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("shift.log"));
    const qint64 size = WritePolledLog(path);

    auto form = std::make_unique<TForm1>();
    Form1 = form.get();
    auto about = std::make_unique<TForm2>(Form1);
    Form2 = about.get();
    form->show();
    Measure(*form, path, size, true);
    Measure(*form, path, size, false);
    about.reset();
    form.reset();
    return 0;
}
