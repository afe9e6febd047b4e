#pragma once

#include "ui/LogSource.h"

#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string_view>
#include <thread>

// A log read off the window's thread, a piece at a time, so that the window
// answers meanwhile: each piece goes to `take` there, and at the end
// `finish` says what went wrong, if anything. The signals come on the
// window's thread, and only from the work still current.
class LogWork : public QObject
{
    Q_OBJECT

public:
    explicit LogWork(QObject* parent = nullptr);
    ~LogWork() override;

    using Take = std::function<void(std::string_view piece)>;
    using Finish = std::function<QString()>;
    // Ends the work before it, if any, first.
    void Run(LogSource source, Take take, Finish finish);
    // Stops between two pieces; Cancelled follows.
    void Cancel() { cancel_ = true; }
    // Waits for the thread: after this no piece is taken.
    void Stop();
    bool Running() const { return running_; }

signals:
    void Progressed(qint64 read, qint64 size);
    void Finished();
    void Failed(const QString& why);
    void Cancelled();

private:
    template <class Signal>
    void Tell(std::uint64_t work, Signal signal);

    std::thread thread_;
    std::atomic<bool> cancel_{false};
    std::atomic<std::uint64_t> current_{0};
    bool running_ = false;
};
