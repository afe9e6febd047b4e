#pragma once

#include "cli/Surroundings.h"

#include <QLocale>
#include <QStringList>

#include <string>
#include <vector>

enum class ExitCode { Ok = 0, Failed = 1, Usage = 2 };

// Runs the command line; `arguments` excludes the program name. A read or
// write that fails ends the run with one line on `err` naming the cause.
// The program's own words are in the system's language, `uiLanguages`,
// unless --lang says otherwise.
ExitCode RunDecodeCommand(const std::vector<std::string>& arguments, const StandardStreams& streams,
                          const QStringList& uiLanguages = QLocale::system().uiLanguages());

// Started without arguments in a console of its own (a double-click in
// Explorer): the usage, and the window stays until Enter is pressed.
ExitCode ExplainAndWait(const StandardStreams& streams, const QStringList& uiLanguages = QLocale::system().uiLanguages());
