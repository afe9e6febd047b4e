#include "ui/Beep.h"

#include <QApplication>

#include <utility>

namespace {

std::function<void()>& BeepHook()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

void Beep()
{
    if (BeepHook())
        BeepHook()();
    else
        QApplication::beep();
}

std::function<void()> SetBeepHook(std::function<void()> hook)
{
    return std::exchange(BeepHook(), std::move(hook));
}
