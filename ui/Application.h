#pragma once

#include <QApplication>

#include <functional>
#include <string>

// The application object: it catches whatever escapes an event handler and
// shows it in the standard exception box, and the program goes on.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Creates the main window and the hidden About window, runs until the
    // main window closes and destroys both. A failure on the way is shown in
    // the exception box and ends the run. Always returns 0. A status line and
    // a code, when given, are in the window when it opens, as if pasted and
    // translated; a log file, when given, opens in the log window.
    int Run(const std::string& statusLine = {}, const std::string& code = {}, const std::string& log = {});

    // Runs start-up steps; whatever they throw is shown in the exception box
    // and ends them. Returns the program's exit code, always 0.
    static int RunShowingFailures(const std::function<void()>& run);
};
