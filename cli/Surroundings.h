#pragma once

#include <csignal>
#include <functional>

// What the program finds around it when it starts: its standard
// descriptors, a Windows console's code pages, and the stop signals.

// The descriptors regalo-decode reads and writes; -1 for one that was closed.
struct StandardStreams {
    int in;
    int out;
    int err;
};

// The standard descriptors, each claimed: one the program was started
// without is taken by /dev/null, so that no file opened later lands on it,
// and counts as closed (-1). On Windows they carry bytes as they are, as on
// Linux: no CR LF for a line feed, no end at Ctrl+Z.
StandardStreams ClaimStandardStreams();

// True when the program's console belongs to it alone and is its input and
// output: Windows made it for a program started by a double-click. False
// elsewhere.
bool OwnsItsConsole();

// A Windows console shows the program's UTF-8 as such whatever its code page
// (866 or 1251 for Russian), and gets its own pages back when this ends.
// Nothing to do elsewhere.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    unsigned output_ = 0;
    unsigned input_ = 0;
};

// SIGINT and SIGTERM end the stream at the next line instead of killing the
// program, so that every result already computed is written first.
void CatchStopSignals();
// After the results are out: ends the program by the signal that stopped it, if any.
void ResendStopSignal();
// Asked for on every line: read where it is set, without a call.
extern volatile std::sig_atomic_t stopSignal;
inline bool StopRequested()
{
    return stopSignal != 0;
}
// A stop that ends the program as it should end (following a log): no
// longer resent when it ends.
void AcceptStop();

// Runs a read that may wait for input, every answer before it written: on
// Windows, Ctrl-C or Ctrl-Break then ends the program at once.
long WhileWaitingForInput(const std::function<long()>& read);
