#include "ui/ScreenFit.h"

#include <QApplication>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

WindowPlacement PlaceWindow(QSize design, const QRect& available, const QMargins& frame, int scrollBarExtent)
{
    const QSize room = available.size().shrunkBy(frame);
    WindowPlacement placement;
    if (design.width() <= room.width() && design.height() <= room.height()) {
        // Centred as it always was; the top left corner stays on the screen.
        QPoint topLeft = available.center() - QRect(QPoint(0, 0), design).center();
        topLeft.setX(std::max(topLeft.x(), available.left()));
        topLeft.setY(std::max(topLeft.y(), available.top()));
        placement.position = topLeft;
        placement.size = design;
        return placement;
    }
    placement.scrolled = true;
    // A scroll bar takes room of its own, which may call for the other one.
    bool vertical = false;
    bool horizontal = false;
    for (int pass = 0; pass < 2; ++pass) {
        vertical = vertical || design.height() + (horizontal ? scrollBarExtent : 0) > room.height();
        horizontal = horizontal || design.width() + (vertical ? scrollBarExtent : 0) > room.width();
    }
    placement.size = QSize(design.width() + (vertical ? scrollBarExtent : 0),
                           design.height() + (horizontal ? scrollBarExtent : 0))
                         .boundedTo(room);
    placement.position = available.topLeft()
                         + QPoint((room.width() - placement.size.width()) / 2, (room.height() - placement.size.height()) / 2);
    return placement;
}

QScrollArea* ScrollContents(QWidget* window, QSize design)
{
    auto* contents = new QWidget;
    contents->setObjectName(window->objectName() + QStringLiteral("Contents"));
    contents->resize(design);
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        const bool shown = !child->isHidden();
        child->setParent(contents);
        child->setVisible(shown);
    }
    auto* area = new QScrollArea;
    area->setObjectName(window->objectName() + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    // The area itself is no stop on the way round with Tab.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(contents);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    // Tab already scrolls the focused control into view; a click, a label's
    // mnemonic or a focus set from code do so here.
    QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
        if (now != nullptr && area->widget()->isAncestorOf(now))
            area->ensureWidgetVisible(now);
    });
    return area;
}
