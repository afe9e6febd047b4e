#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QScrollArea;
class QWidget;

// Where a window of a fixed design opens: centred on the screen's available
// area where it fits with its frame; otherwise at the size available, its
// contents scrolled, so that every control can still be reached.
struct WindowPlacement {
    QPoint position; // of the frame's top left corner, as QWidget::move takes it
    QSize size;      // of the client area
    bool scrolled = false;
};

WindowPlacement PlaceWindow(QSize design, const QRect& available, const QMargins& frame, int scrollBarExtent);

// Moves every child of `window` into a scroll area that fills it, keeping
// their places, and scrolls whatever control takes the focus into view.
QScrollArea* ScrollContents(QWidget* window, QSize design);
