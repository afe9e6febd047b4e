#include "ui/Unit2.h"

#include "core/Translatable.h"
#include "ui/ControlPlacement.h"
#include "ui/WindowStyle.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

TForm2* Form2 = nullptr;

namespace {

constexpr char kForm2Context[] = "TForm2";

// The About window has only this one front end: its texts stand with its geometry.
struct PlacedText {
    ControlPlacement placement;
    const char* text;
};

const PlacedText kLabels[] = {
    {{"Label1", nullptr, 32, 24, 378, 13},
     QT_TRANSLATE_NOOP("TForm2", "ПО Regalo_Vespera ver. 1.0.2 30.11.2017  предназначено для   получения  ")},
    {{"Label2", nullptr, 32, 48, 371, 13},
     QT_TRANSLATE_NOOP("TForm2", "подробной информации (в текстовом формате) по кодам статуса и  коду")},
    {{"Label3", nullptr, 32, 72, 41, 13}, QT_TRANSLATE_NOOP("TForm2", "ошибки.")},
    {{"Label4", nullptr, 32, 104, 284, 13}, ""},
};
const PlacedText kButton = {{"Button1", nullptr, 344, 160, 75, 25}, QT_TRANSLATE_NOOP("TForm2", "Закрыть")};

template <class Widget>
Widget* Place(QWidget* window, Widget* widget, const PlacedText& placed)
{
    PlaceWidget(widget, window, placed.placement);
    widget->setText(QCoreApplication::translate(kForm2Context, placed.text));
    return widget;
}

} // namespace

TForm2::TForm2(QWidget* owner)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      FOwner(owner)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("О программе"));
    setFont(DesignFont());
    setFixedSize(429, 191);
    setModal(true);

    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4};
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        auto* label = new QLabel;
        label->setTextFormat(Qt::PlainText);
        *labels[i] = Place(this, label, kLabels[i]);
        // Labels size themselves to their text, as the main window's do.
        label->adjustSize();
    }
    Button1 = Place(this, new QPushButton, kButton);
    Button1->setFocus();
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });
}

void TForm2::Button1Click(QObject*)
{
    close();
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    // The window has no cancel button, so Escape does not close it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Centred by its own frame, which the native window knows by now; Qt's
    // guess takes the frame of the main window, taller than a tool window's.
    const QRect available = (FOwner ? FOwner->screen() : screen())->availableGeometry();
    const QSize outer = size().grownBy(windowHandle()->frameMargins());
    move(available.topLeft()
         + QPoint((available.width() - outer.width()) / 2, (available.height() - outer.height()) / 2));
    // Windows shows a tool window without activating it: the button would
    // not get the keys, nor the window the user's attention.
    QMetaObject::invokeMethod(this, &QWidget::activateWindow, Qt::QueuedConnection);
}
