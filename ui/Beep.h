#pragma once

#include <functional>

// The system's default beep, replaceable so tests can count it.
void Beep();
// Installs a replacement (an empty function restores the system beep) and
// returns the one it replaces.
std::function<void()> SetBeepHook(std::function<void()> hook);
