#include "ui/Application.h"

#include "ui/ExceptionBox.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/WindowStyle.h"

#include <memory>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    Q_INIT_RESOURCE(regalo);
    // Docks and task bars find the menu entry, and its icon, by this name.
    setDesktopFileName(QStringLiteral("io.github.regalovespera.regalo_vespera"));
}

TApplication::~TApplication() = default;

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    RunShowingException([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

int TApplication::RunShowingFailures(const std::function<void()>& run)
{
    RunShowingException(run);
    return 0;
}

int TApplication::Run(const std::string& statusLine, const std::string& code, const std::string& log)
{
    std::unique_ptr<TForm1> mainWindow;
    std::unique_ptr<TForm2> aboutWindow;
    const int exitCode = RunShowingFailures([&] {
        mainWindow.reset(Form1 = new TForm1);
        aboutWindow.reset(Form2 = new TForm2(Form1));
        Form1->OpenWith(statusLine, code);
        Form1->show();
        if (!log.empty())
            Form1->OpenLog(QString::fromStdString(log));
        // The icon, for every window of the program, once the main window
        // is up: drawing it needs the SVG plugin, which is slow to load.
        QMetaObject::invokeMethod(
            this, [] { setWindowIcon(ProgramIcon()); }, Qt::QueuedConnection);
        exec();
    });
    // The About window goes first, then the main window.
    aboutWindow.reset();
    Form2 = nullptr;
    mainWindow.reset();
    Form1 = nullptr;
    return exitCode;
}
