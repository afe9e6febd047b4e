#include "ui/ExceptionBox.h"

#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>

QString ProgramTitleFromPath(const QString& executablePath)
{
    const QString name = QFileInfo(executablePath).fileName();
    const QString stem = name.left(name.indexOf(QLatin1Char('.')));
    return stem.left(1) + stem.mid(1).toLower();
}

QString ProgramTitle()
{
    return ProgramTitleFromPath(QCoreApplication::applicationFilePath());
}

QString WithClosingFullStop(const QString& message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

void ShowException(std::exception_ptr error)
{
    QString message;
    try {
        if (error)
            std::rethrow_exception(error);
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        // Not one of ours: shown as an empty box.
    }
    ShowMessageBox({ProgramTitle(), WithClosingFullStop(message), QMessageBox::Critical});
}
