#include "app/Answer.h"
#include "app/WindowOptions.h"
#include "translations/Language.h"
#include "ui/Application.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

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

// The arguments after the program's name, UTF-8. On Windows argv holds the
// ANSI code page's bytes; the wide command line holds every character.
std::vector<std::string> ProgramArguments(int argc, char* argv[])
{
#ifdef _WIN32
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(QString::fromWCharArray(wide[i]).toStdString());
    LocalFree(wide);
    return arguments;
#else
    return {argv + 1, argv + argc};
#endif
}

} // namespace

// Ends with exit code 0; 2 for an option it does not take; 1 when no window
// can be shown.
int main(int argc, char* argv[])
{
    const WindowOptions options = ParseWindowOptions(ProgramArguments(argc, argv));
    const auto asked = LanguageNamed(QString::fromStdString(options.language));
    const Language language = asked ? *asked : LanguageForUi(QLocale::system().uiLanguages());
    if (options.action != WindowOptions::Action::Run) {
        // Answered without a window, so also without a display.
        QCoreApplication application(argc, argv);
        UseLanguage(language, QtTexts::AsTheyAre);
        return AnswerWithoutWindow(options);
    }

    qtHandler = qInstallMessageHandler(ReportMissingDisplay);
    TApplication application(argc, argv);
    qInstallMessageHandler(qtHandler);
    for (const auto& [type, note] : startupNotes)
        std::fprintf(stderr, "%s\n", qPrintable(note));
    UseLanguage(language);
    return application.Run(options.status, options.code, options.log);
}
