#pragma once

// Counts runs of handlers nested inside one another in `depth`; leaving the
// outermost calls `done` on the owner. Why the window batches so: TForm1.
template <class Owner>
class OutermostScope {
public:
    OutermostScope(Owner& owner, int& depth, void (Owner::*done)()) : owner_(owner), depth_(depth), done_(done)
    {
        ++depth_;
    }
    ~OutermostScope()
    {
        if (--depth_ == 0)
            (owner_.*done_)();
    }
    OutermostScope(const OutermostScope&) = delete;
    OutermostScope& operator=(const OutermostScope&) = delete;

private:
    Owner& owner_;
    int& depth_;
    void (Owner::*done_)();
};
