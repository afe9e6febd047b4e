#pragma once

#include <string>
#include <vector>

// The window program's command line: --lang ru|en (also --lang=en; the last
// one counts), --status BYTES and --code CODE (the window opens with them, as
// if pasted and translated), a log file as --log FILE or as the one argument
// (as a file manager's "Open with" gives it), -h/--help, -v/--version, and
// Qt's own options, which are left to Qt. Anything else is refused, and no
// window opens.
struct WindowOptions {
    enum class Action { Run, Help, Version, Refuse };
    enum class Problem { None, UnknownOption, UnexpectedArgument, MissingValue, UnknownLanguage, BadStatusLine, BadErrorCode };

    Action action = Action::Run;
    std::string language; // "ru", "en", or empty when not given
    std::string status;   // a status line in any form a paste takes, or empty
    std::string code;     // four hexadecimal digits, or empty
    std::string log;      // a log file to open, or empty
    Problem problem = Problem::None;
    std::string argument; // the argument the problem is about
};

// `arguments` without the program's name, UTF-8.
WindowOptions ParseWindowOptions(const std::vector<std::string>& arguments);
