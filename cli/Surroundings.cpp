#include "cli/Surroundings.h"

#include <atomic>
#include <csignal>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

volatile std::sig_atomic_t stopSignal = 0;

namespace {

std::atomic<bool> waitingForInput{false};

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

StandardStreams ClaimStandardStreams()
{
    return {Claimed(0), Claimed(1), Claimed(2)};
}

bool OwnsItsConsole()
{
#ifdef _WIN32
    // And reads and writes it: a program started by another one with pipes,
    // or in a hidden console, has nobody to wait for.
    DWORD processes[2];
    DWORD mode = 0;
    return GetConsoleProcessList(processes, 2) == 1 && GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode)
           && GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode);
#else
    return false;
#endif
}

#ifdef _WIN32
namespace {

// The console's own code pages while a Utf8Console holds it: the handler of
// a closing console gives them back, since no destructor runs then.
UINT savedOutput = 0;
UINT savedInput = 0;

void RestoreCodePages()
{
    if (savedOutput != 0)
        SetConsoleOutputCP(savedOutput);
    if (savedInput != 0)
        SetConsoleCP(savedInput);
}

// The code a console program stopped by Ctrl-C ends with.
constexpr UINT kControlCExit = 0xC000013AU;

// Runs on a thread of its own. The stop is noted, so that the stream ends
// at the next line; a program waiting for input has written every answer
// already and ends at once, as a read that waits cannot always be cancelled.
BOOL WINAPI StopOnControl(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        stopSignal = SIGINT;
        if (waitingForInput) {
            RestoreCodePages();
            ExitProcess(kControlCExit);
        }
        return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        RestoreCodePages();
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

Utf8Console::Utf8Console() : output_(GetConsoleOutputCP()), input_(GetConsoleCP())
{
    // Zero: no console at all, only pipes or files.
    savedOutput = output_;
    savedInput = input_;
    if (output_ != 0)
        SetConsoleOutputCP(CP_UTF8);
    if (input_ != 0)
        SetConsoleCP(CP_UTF8);
}
Utf8Console::~Utf8Console()
{
    RestoreCodePages();
    savedOutput = savedInput = 0;
}
#else
Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;
#endif

namespace {

extern "C" void RememberStop(int signal)
{
    stopSignal = signal;
}

} // namespace

void CatchStopSignals()
{
#ifdef _WIN32
    SetConsoleCtrlHandler(StopOnControl, TRUE);
    std::signal(SIGTERM, RememberStop);
#else
    struct sigaction action {};
    action.sa_handler = RememberStop;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a read waiting for input returns at once. A second
    // signal kills as usual.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#endif
}

void ResendStopSignal()
{
    if (stopSignal == 0)
        return;
#ifdef _WIN32
    if (stopSignal == SIGINT)
        ExitProcess(kControlCExit);
#endif
    std::signal(stopSignal, SIG_DFL);
    std::raise(stopSignal);
}

void AcceptStop()
{
    stopSignal = 0;
}

long WhileWaitingForInput(const std::function<long()>& read)
{
    waitingForInput = true;
    const long result = read();
    waitingForInput = false;
    return result;
}
