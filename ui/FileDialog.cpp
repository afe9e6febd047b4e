#include "ui/FileDialog.h"

#include <QFileDialog>

#include <utility>

namespace {

FileAnswer& Answer()
{
    static FileAnswer answer;
    return answer;
}

} // namespace

QString AskForFile(QWidget* parent, FileWanted wanted, const QString& caption, const QString& suggested, const QString& filters)
{
    if (Answer())
        return Answer()(wanted, suggested);
    return wanted == FileWanted::Open ? QFileDialog::getOpenFileName(parent, caption, suggested, filters)
                                      : QFileDialog::getSaveFileName(parent, caption, suggested, filters);
}

FileAnswer SetFileAnswer(FileAnswer answer)
{
    return std::exchange(Answer(), std::move(answer));
}
