#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

// The About window: shown modally, hidden again when closed, never destroyed
// while the program runs.
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    // Shown on the screen of `owner`, the window it is opened from; not its
    // parent, so that either can go first.
    explicit TForm2(QWidget* owner = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button1 = nullptr;

    void Button1Click(QObject* Sender);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPointer<QWidget> FOwner;
};

extern TForm2* Form2;
