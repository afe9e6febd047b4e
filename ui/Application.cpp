#include "ui/Application.h"

#include "ui/ExceptionBox.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/WindowStyle.h"

#include <memory>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    Q_INIT_RESOURCE(regalo);
}

TApplication::~TApplication() = default;

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowException(std::current_exception());
        return false;
    }
}

int TApplication::Run()
{
    std::unique_ptr<TForm1> mainWindow;
    std::unique_ptr<TForm2> aboutWindow;
    try {
        try {
            Form1 = new TForm1;
            mainWindow.reset(Form1);
        } catch (...) {
            Form1 = nullptr;
            throw;
        }
        Form2 = new TForm2;
        aboutWindow.reset(Form2);
        Form1->show();
        // The icon, for every window of the program, once the main window
        // is up: drawing it needs the SVG plugin, which is slow to load.
        QMetaObject::invokeMethod(
            this, [] { setWindowIcon(ProgramIcon()); }, Qt::QueuedConnection);
        exec();
    } catch (...) {
        ShowException(std::current_exception());
    }
    // The About window goes first, then the main window.
    aboutWindow.reset();
    Form2 = nullptr;
    mainWindow.reset();
    Form1 = nullptr;
    return 0;
}
