#pragma once

#include <utility>

// Counts operations running inside one another in `depth`; leaving the
// outermost one runs `done`. Handlers nest (a change runs a handler that
// changes again), and what the outside sees is settled only then.
template <class Done>
class OutermostScope {
public:
    OutermostScope(int& depth, Done done) : depth_(depth), done_(std::move(done)) { ++depth_; }
    ~OutermostScope()
    {
        if (--depth_ == 0)
            done_();
    }
    OutermostScope(const OutermostScope&) = delete;
    OutermostScope& operator=(const OutermostScope&) = delete;

private:
    int& depth_;
    Done done_;
};
