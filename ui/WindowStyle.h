#pragma once

#include <QFont>
#include <QIcon>

// The look both windows share: the designed 8-point sans serif, 11 pixels
// high, and the program's icon.
QFont DesignFont();
QIcon ProgramIcon();

class QStyle;

// Check boxes with the designed indicator and gap, so that their captions
// fit the widths they were laid out with under any base style.
QStyle* DesignCheckBoxStyle();

// Group boxes drawn with the caption on the frame line, as they were laid
// out: their first check box stands 13 pixels below the top.
QStyle* DesignGroupBoxStyle();

// The receipt-state list with a classic narrow drop-down button, so that its
// longest entry fits the edit part it was laid out with.
QStyle* DesignComboBoxStyle();
