// The program's own start-up, ended as soon as the main window is shown:
// prints the milliseconds from entry and the peak resident memory in KiB.
#include "ui/Application.h"
#include "ui/Unit1.h"

#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    TApplication application(argc, argv);
    // Runs from the event loop, once the window has been shown.
    QTimer::singleShot(0, [&] {
        const qint64 elapsed = clock.nsecsElapsed();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%.3f %ld\n", static_cast<double>(elapsed) / 1e6, usage.ru_maxrss);
        Form1->close();
    });
    return application.Run();
}
