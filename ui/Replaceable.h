#pragma once

#include <functional>
#include <utility>

// A call into the platform that tests stand in for: the stand-in while one is
// installed, the platform's own otherwise.
template <class... Args>
class Replaceable {
public:
    using Function = std::function<void(Args...)>;

    explicit Replaceable(void (*platform)(Args...)) : platform_(platform) {}

    void operator()(Args... args) const
    {
        if (standIn_)
            standIn_(args...);
        else
            platform_(args...);
    }

    // An empty function puts the platform's own back; returns the one replaced.
    Function Replace(Function standIn) { return std::exchange(standIn_, std::move(standIn)); }

private:
    void (*platform_)(Args...);
    Function standIn_;
};
