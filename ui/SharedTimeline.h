#pragma once

#include "form/LogTimeline.h"

#include <atomic>
#include <mutex>
#include <thread>

// A timeline read into on one thread and shown on another, each reaching it
// under its lock. The reading thread holds it only while a piece is fed,
// and lets the window's thread go first: a lock taken again at once would
// keep a waiting window waiting piece after piece.
class SharedTimeline {
public:
    // On the window's thread.
    template <class Use>
    auto With(Use use) const
    {
        const Waiting waiting(waiting_);
        const std::lock_guard lock(mutex_);
        return use(static_cast<const LogTimeline&>(timeline_));
    }
    template <class Use>
    auto Change(Use use)
    {
        const Waiting waiting(waiting_);
        const std::lock_guard lock(mutex_);
        return use(timeline_);
    }
    // On the reading thread.
    template <class Use>
    auto Feed(Use use)
    {
        while (waiting_.load() > 0)
            std::this_thread::yield();
        const std::lock_guard lock(mutex_);
        return use(timeline_);
    }

private:
    struct Waiting {
        explicit Waiting(std::atomic<int>& count) : count_(count) { ++count_; }
        ~Waiting() { --count_; }
        std::atomic<int>& count_;
    };

    mutable std::mutex mutex_;
    mutable std::atomic<int> waiting_{0};
    LogTimeline timeline_;
};
