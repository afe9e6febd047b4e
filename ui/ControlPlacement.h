#pragma once

// Where a control stands in its window, in pixels at 96 dots per inch.
struct ControlPlacement {
    const char* name;
    const char* parent; // nullptr: the window itself
    int left;
    int top;
    int width;
    int height;
};

class QWidget;

// Puts `widget` into `parent` where `placement` says, named as designed; the
// text is the caller's, as each kind of control takes it its own way.
void PlaceWidget(QWidget* widget, QWidget* parent, const ControlPlacement& placement);
