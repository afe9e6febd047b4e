#pragma once

#include <QString>

#include <exception>
#include <string>

// The caption of every message box: the executable's file name up to its
// first full stop, every character after the first in lower case.
QString ProgramTitleFromPath(const QString& executablePath);
QString ProgramTitle();

// A message whose last character comes after '.' gets a closing full stop.
QString WithClosingFullStop(const QString& message);

// The standard exception box: error icon, one OK button, the program title.
// Exception and other std::exceptions show their message, anything else an
// empty text.
void ShowException(std::exception_ptr error);

// Runs `action`; whatever it throws is shown in the standard exception box
// instead of unwinding further. False when it threw.
template <class Action>
bool RunShowingException(Action&& action)
{
    try {
        action();
        return true;
    } catch (...) {
        ShowException(std::current_exception());
        return false;
    }
}
