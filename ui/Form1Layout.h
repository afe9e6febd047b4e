#pragma once

#include "ui/ControlPlacement.h"

// Where the main window's controls stand; their names, texts and numbering
// are the shared table's (form/Form1Controls.h).

// Every control but the check boxes, in creation order (later ones lie above).
extern const ControlPlacement kForm1Placements[];

const ControlPlacement& Form1Placement(const char* name);

// The one box designed right to left (byte 4, bit 6: CheckBox31).
inline constexpr int kRightToLeftByte = 4;
inline constexpr int kRightToLeftBit = 6;

// The check boxes of every panel stand at the same tops; widths differ.
inline constexpr int kCheckBoxLeft = 13;
inline constexpr int kCheckBoxTops[8] = {13, 33, 52, 72, 91, 111, 130, 150};
inline constexpr int kCheckBoxHeights[8] = {14, 13, 14, 13, 14, 13, 14, 13};
// Per byte, bit 0 to bit 7.
extern const int kCheckBoxWidths[6][8];

// The window's client area: the designed outer size 807 x 685 less the frame.
inline constexpr int kForm1ClientWidth = 791;
inline constexpr int kForm1ClientHeight = 646;
