#include "cli/Command.h"
#include "cli/Surroundings.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>

int main(int argc, char* argv[])
{
    const StandardStreams streams = ClaimStandardStreams();
#ifdef SIGPIPE
    // A reader that stops early ends the program quietly, as with other filters.
    std::signal(SIGPIPE, SIG_DFL);
#endif
    CatchStopSignals();
    QCoreApplication application(argc, argv);
#ifdef _WIN32
    // argv holds the ANSI code page's bytes; the wide command line Qt reads
    // holds every character, passed on as UTF-8 like the rest.
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
#else
    const std::vector<std::string> arguments(argv + 1, argv + argc);
#endif
    ExitCode code;
    {
        const Utf8Console console;
        code = arguments.empty() && OwnsItsConsole() ? ExplainAndWait(streams) : RunDecodeCommand(arguments, streams);
    }
    ResendStopSignal();
    return static_cast<int>(code);
}
