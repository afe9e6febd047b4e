#pragma once

#include <QFont>
#include <QIcon>

// The look both windows share: the designed 8-point sans serif, 11 pixels
// high, and the program's icon.
QFont DesignFont();
QIcon ProgramIcon();
