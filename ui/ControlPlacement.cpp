#include "ui/ControlPlacement.h"

#include <QWidget>

void PlaceWidget(QWidget* widget, QWidget* parent, const ControlPlacement& placement)
{
    widget->setParent(parent);
    widget->setObjectName(QString::fromLatin1(placement.name));
    widget->setGeometry(placement.left, placement.top, placement.width, placement.height);
}
