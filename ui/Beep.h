#pragma once

#include <functional>

class QObject;

// What the program tells the user without words: the system's default beep,
// and a new text announced to assistive technology. Both replaceable, so
// tests can count them.
void Beep();
void AnnounceNewText(QObject* object);

// Install a replacement (an empty function restores the platform's own) and
// return the one replaced.
std::function<void()> SetBeepHook(std::function<void()> hook);
std::function<void(QObject*)> SetAnnouncementHook(std::function<void(QObject*)> hook);
