#pragma once

#include "core/StatusFlagCatalogue.h"
#include "core/Translatable.h"
#include "ui/ControlPlacement.h"

#include <array>

// Where the main window's controls stand.

// Every control but the check boxes, in creation order (later ones lie above).
extern const ControlPlacement kForm1Placements[];

const ControlPlacement& Form1Placement(const char* name);

// The designer numbered group boxes and check boxes in the order the panels
// stand, not by byte: GroupBoxN shows byte kBytesInGroupOrder[N - 1], and its
// boxes are CheckBox 8(N - 1) + 1 (bit 0) to 8N (bit 7). Panels are created
// and tabbed through in this order.
inline constexpr std::array<int, kStatusByteCount> kBytesInGroupOrder = {0, 3, 1, 4, 2, 5};

// N of the GroupBoxN that shows a byte; throws std::out_of_range for no byte.
int GroupBoxNumberOf(int byteIndex);
// N of the CheckBoxN that shows a flag.
int CheckBoxNumberOf(int byteIndex, int bit);

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

inline constexpr char kForm1Caption[] = "Regalo_Vespera ver. 1.0.2 30.11.2017";
inline constexpr char kInitialErrorCodeText[] = "0000";
inline constexpr char kStatusEditMask[] = "AA\\ AA\\ AA\\ AA\\ AA\\ AA;1;";
inline constexpr char kErrorCodeEditMask[] = "AAAA;1; ";
inline constexpr char kInvalidErrorCodeMessage[] = QT_TRANSLATE_NOOP("TForm1", "Неверный код ошибки!");
