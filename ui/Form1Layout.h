#pragma once

#include "ui/ControlPlacement.h"

// Where the main window's controls stand.

// Every control but the check boxes, in creation order (later ones lie above).
extern const ControlPlacement kForm1Placements[];

const ControlPlacement& Form1Placement(const char* name);

// The check boxes of every panel stand at the same tops; widths differ.
inline constexpr int kCheckBoxLeft = 13;
inline constexpr int kCheckBoxTops[8] = {13, 33, 52, 72, 91, 111, 130, 150};
inline constexpr int kCheckBoxHeights[8] = {14, 13, 14, 13, 14, 13, 14, 13};
// Per byte, bit 0 to bit 7.
extern const int kCheckBoxWidths[6][8];

// The window's client area: the designed outer size 807 x 685 less the frame.
inline constexpr int kForm1ClientWidth = 791;
inline constexpr int kForm1ClientHeight = 646;

inline constexpr char kForm1Caption[] = "Regalo_Vespera ver. 1.0.2 30.11.2017";
inline constexpr char kInitialErrorCodeText[] = "0000";
inline constexpr char kStatusEditMask[] = "AA\\ AA\\ AA\\ AA\\ AA\\ AA;1;";
inline constexpr char kErrorCodeEditMask[] = "AAAA;1; ";
inline constexpr char kInvalidErrorCodeMessage[] = "Неверный код ошибки!";
