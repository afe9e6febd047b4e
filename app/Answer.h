#pragma once

#include "app/WindowOptions.h"

// Answers a command line that asks for no window (--help, --version, a
// refused option) in the language chosen, where the person who started the
// program reads it, and gives the exit code: 0, or 2 for a refused option.
// Needs an application object for the translation.
int AnswerWithoutWindow(const WindowOptions& options);
