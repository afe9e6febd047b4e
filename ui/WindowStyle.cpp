#include "ui/WindowStyle.h"

#include <QStringList>

QFont DesignFont()
{
    QFont font;
    // The designed face first, then faces of close metrics, so captions fit
    // the boxes they were laid out for.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QIcon ProgramIcon()
{
    return QIcon(QStringLiteral(":/regalo/icon.svg"));
}
