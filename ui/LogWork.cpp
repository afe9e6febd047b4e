#include "ui/LogWork.h"

#include <QMetaObject>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// The window's thread comes first where both want the processor.
void YieldToTheWindow()
{
#ifdef _WIN32
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
#else
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
}

} // namespace

LogWork::LogWork(QObject* parent) : QObject(parent) {}

LogWork::~LogWork()
{
    Stop();
}

void LogWork::Stop()
{
    cancel_ = true;
    if (thread_.joinable())
        thread_.join();
    cancel_ = false;
    running_ = false;
}

template <class Signal>
void LogWork::Tell(std::uint64_t work, Signal signal)
{
    QMetaObject::invokeMethod(
        this, [this, work, signal] {
            if (current_ != work)
                return;
            signal();
        },
        Qt::QueuedConnection);
}

void LogWork::Run(LogSource source, Take take, Finish finish)
{
    Stop();
    const std::uint64_t work = ++current_;
    running_ = true;
    thread_ = std::thread([this, work, source = std::move(source), take = std::move(take), finish = std::move(finish)] {
        YieldToTheWindow();
        LogPieces pieces(source);
        QString why;
        const auto end = [this, work](auto signal) {
            Tell(work, [this, signal] {
                running_ = false;
                signal();
            });
        };
        if (!pieces.Open(why)) {
            end([this, why] { emit Failed(why); });
            return;
        }
        const qint64 size = pieces.Size();
        qint64 done = 0;
        QByteArray piece;
        while (!cancel_ && pieces.Next(piece, why)) {
            take(std::string_view(piece.constData(), static_cast<std::size_t>(piece.size())));
            done += piece.size();
            Tell(work, [this, done, size] { emit Progressed(done, size); });
        }
        if (cancel_)
            end([this] { emit Cancelled(); });
        else if (!why.isEmpty() || !(why = finish()).isEmpty())
            end([this, why] { emit Failed(why); });
        else
            end([this] { emit Finished(); });
    });
}
