#include "ui/Beep.h"

#include "ui/Replaceable.h"

#include <QAccessible>
#include <QApplication>

namespace {

Replaceable<>& SystemBeep()
{
    static Replaceable<> beep(&QApplication::beep);
    return beep;
}

void NameChanged(QObject* object)
{
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

Replaceable<QObject*>& Announcer()
{
    static Replaceable<QObject*> announce(&NameChanged);
    return announce;
}

} // namespace

void Beep()
{
    SystemBeep()();
}

std::function<void()> SetBeepHook(std::function<void()> hook)
{
    return SystemBeep().Replace(std::move(hook));
}

void AnnounceNewText(QObject* object)
{
    Announcer()(object);
}

std::function<void(QObject*)> SetAnnouncementHook(std::function<void(QObject*)> hook)
{
    return Announcer().Replace(std::move(hook));
}
