#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

struct MessageBoxContent {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Shows a modal message box with a single OK button, centred on the screen.
void ShowMessageBox(const MessageBoxContent& content);

// Replaces how message boxes are shown (tests record them instead of
// blocking); an empty function restores the real box. Returns the previous one.
using MessageBoxPresenter = std::function<void(const MessageBoxContent&)>;
MessageBoxPresenter SetMessageBoxPresenter(MessageBoxPresenter presenter);
