#pragma once

// Handlers run inside one another: a field's change handler ticks boxes, and
// each box's handler writes the field again. Work whose result only the user
// sees (drawing the field, showing the list's entry) is put off until the
// outermost run is done, so that it is done once, with the final state.
//
// Counts the nested runs in `depth`; leaving the outermost calls `done` on
// the owner.
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
