// A plain Qt window with as many controls as the main window, for the
// start-up and memory floor: same output as startup_probe.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    QWidget window;
    window.resize(791, 646);
    for (int group = 0; group < 7; ++group) {
        auto* box = new QGroupBox(QStringLiteral("Статус регистратора - байт"), &window);
        box->setGeometry(20 + (group % 2) * 400, 30 + (group / 2) * 175, 390, 170);
        for (int bit = 0; bit < 8 && group < 6; ++bit)
            (new QCheckBox(QStringLiteral("(80) Всегда установлен"), box))->setGeometry(13, 13 + bit * 19, 300, 14);
    }
    auto* list = new QComboBox(&window);
    list->setEditable(true);
    for (int i = 0; i < 16; ++i)
        list->addItem(QString::number(i));
    for (int i = 0; i < 3; ++i)
        new QPushButton(QStringLiteral("Закрыть"), &window);
    for (int i = 0; i < 2; ++i)
        new QLineEdit(QStringLiteral("80 80 80 80 80 80"), &window);
    for (int i = 0; i < 3; ++i)
        new QLabel(QStringLiteral("Код ошибки:"), &window);
    new QWidget(&window); // the About window's counterpart: created, not shown
    window.show();
    QTimer::singleShot(0, [&] {
        const qint64 elapsed = clock.nsecsElapsed();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%.3f %ld\n", static_cast<double>(elapsed) / 1e6, usage.ru_maxrss);
        window.close();
    });
    return application.exec();
}
