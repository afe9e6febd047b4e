#include "cli/Command.h"
#include "cli/Streams.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// A standard stream the program was started without: the descriptor is
// taken by /dev/null so that no file opened later lands on it, and the
// stream counts as closed (-1), so that using it fails as it should.
// On Windows the streams carry bytes as they are, as on Linux: no CR LF
// for a line feed, no end at Ctrl+Z.
int Claimed(int fd)
{
#ifdef _WIN32
    if (_get_osfhandle(fd) < 0)
        return -1;
    _setmode(fd, _O_BINARY);
    return fd;
#else
    if (fcntl(fd, F_GETFD) != -1)
        return fd;
    open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
    return -1;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    const StandardStreams streams{Claimed(0), Claimed(1), Claimed(2)};
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
        code = RunDecodeCommand(arguments, streams);
    }
    ResendStopSignal();
    return static_cast<int>(code);
}
