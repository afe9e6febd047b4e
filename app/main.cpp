#include "translations/Language.h"
#include "ui/Application.h"

#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

QtMessageHandler qtHandler = nullptr;
// What the platform plugins said while starting: shown only if they did start.
std::vector<std::pair<QtMsgType, QString>> startupNotes;

// Qt ends a program that finds no display, or no plugin to show windows on
// it, with abort() and advice to reinstall. Said plainly instead, exit code 1.
void ReportMissingDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        startupNotes.emplace_back(type, qFormatLogMessage(type, context, message));
        return;
    }
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr,
                 "Regalo_Vespera: the window needs a graphical display and none could be opened (DISPLAY=\"%s\"); "
                 "set DISPLAY, or run it as: xvfb-run -a Regalo_Vespera\n",
                 display ? display : "");
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

// Takes only --lang; ends with exit code 0, or 1 when no window can be shown.
int main(int argc, char* argv[])
{
    qtHandler = qInstallMessageHandler(ReportMissingDisplay);
    TApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const auto& [type, note] : startupNotes)
        std::fprintf(stderr, "%s\n", qPrintable(note));
    UseLanguage(ChosenLanguage(QCoreApplication::arguments(), QLocale::system().uiLanguages()));
    return application.Run();
}
