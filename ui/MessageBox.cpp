#include "ui/MessageBox.h"

#include <utility>

namespace {

MessageBoxPresenter& Presenter()
{
    static MessageBoxPresenter presenter;
    return presenter;
}

} // namespace

void ShowMessageBox(const MessageBoxContent& content)
{
    if (Presenter()) {
        Presenter()(content);
        return;
    }
    QMessageBox box(content.icon, content.caption, content.text, QMessageBox::Ok);
    box.exec();
}

MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter)
{
    return std::exchange(Presenter(), std::move(presenter));
}
