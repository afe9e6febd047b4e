#include "app/WindowOptions.h"

#include "core/ErrorCodes.h"
#include "core/Options.h"
#include "core/Reading.h"
#include "core/StatusLine.h"

#include <array>

namespace {

// The window's own options, then Qt's (QApplication's and its platforms'),
// which are left to Qt.
constexpr std::array kOptions = {
    KnownOption{"lang", "", true}, KnownOption{"status", "", true}, KnownOption{"code", "", true}, KnownOption{"log", "", true},
    KnownOption{"help", "h", false}, KnownOption{"version", "v", false},
    KnownOption{"platform", "", true}, KnownOption{"platformpluginpath", "", true}, KnownOption{"platformtheme", "", true},
    KnownOption{"plugin", "", true}, KnownOption{"qwindowgeometry", "", true}, KnownOption{"qwindowicon", "", true},
    KnownOption{"qwindowtitle", "", true}, KnownOption{"display", "", true}, KnownOption{"geometry", "", true},
    KnownOption{"style", "", true}, KnownOption{"stylesheet", "", true}, KnownOption{"session", "", true},
    KnownOption{"name", "", true}, KnownOption{"title", "", true}, KnownOption{"qmljsdebugger", "", true},
    KnownOption{"reverse", "", false}, KnownOption{"widgetcount", "", false}, KnownOption{"nograb", "", false},
    KnownOption{"dograb", "", false}, KnownOption{"sync", "", false}, KnownOption{"testability", "", false},
};

WindowOptions::Problem ProblemOf(CommandLine::Problem problem)
{
    switch (problem) {
    case CommandLine::Problem::UnknownOption:
        return WindowOptions::Problem::UnknownOption;
    case CommandLine::Problem::MissingValue:
        return WindowOptions::Problem::MissingValue;
    case CommandLine::Problem::UnexpectedArgument:
        return WindowOptions::Problem::UnexpectedArgument;
    case CommandLine::Problem::None:
        break;
    }
    return WindowOptions::Problem::None;
}

// What is wrong with an option's value; None for a sound one.
WindowOptions::Problem ValueProblem(const CommandLine::Option& option)
{
    if (option.name == "lang" && !IsLanguageName(option.value))
        return WindowOptions::Problem::UnknownLanguage;
    if (option.name == "status" && !ReadStatusLine(option.value))
        return WindowOptions::Problem::BadStatusLine;
    ErrorCode code{};
    InputProblem problem{};
    if (option.name == "code" && !ParseErrorCode(option.value, code, problem))
        return WindowOptions::Problem::BadErrorCode;
    return WindowOptions::Problem::None;
}

} // namespace

WindowOptions ParseWindowOptions(const std::vector<std::string>& arguments)
{
    CommandLine line = ReadCommandLine(arguments, kOptions, Arguments::Taken);
    // One log at most: a second file, or one beside --log, is refused.
    const std::size_t logs = line.positional.size() + (line.Has("log") ? 1 : 0);
    if (logs > 1 && line.problem == CommandLine::Problem::None) {
        line.problem = CommandLine::Problem::UnexpectedArgument;
        line.argument = line.positional.back();
        line.problemPosition = arguments.size();
    }
    WindowOptions options;
    // A refusal is said in the language asked for before it.
    for (const CommandLine::Option& option : line.options) {
        if (option.name == "lang" && IsLanguageName(option.value))
            options.language = option.value;
    }
    const auto refuse = [&options](WindowOptions::Problem problem, const std::string& argument) {
        options.action = WindowOptions::Action::Refuse;
        options.problem = problem;
        options.argument = argument;
        return options;
    };
    // Whatever comes first on the command line is named.
    for (const CommandLine::Option& option : line.options) {
        const WindowOptions::Problem problem = ValueProblem(option);
        const bool first = line.problem == CommandLine::Problem::None || option.position < line.problemPosition;
        if (problem != WindowOptions::Problem::None && first)
            return refuse(problem, option.value);
    }
    if (line.problem != CommandLine::Problem::None)
        return refuse(ProblemOf(line.problem), line.argument);
    options.status = line.Value("status").value_or(std::string());
    options.code = line.Value("code").value_or(std::string());
    options.log = !line.positional.empty() ? line.positional.front() : line.Value("log").value_or(std::string());
    options.action = line.Has("help")      ? WindowOptions::Action::Help
                     : line.Has("version") ? WindowOptions::Action::Version
                                           : WindowOptions::Action::Run;
    return options;
}
