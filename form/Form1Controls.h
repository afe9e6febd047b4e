#pragma once

#include "core/StatusFlagCatalogue.h"
#include "core/Translatable.h"

#include <array>
#include <optional>

// What every front end of the main window knows of its controls: the
// designer names, the texts they are created with, the fields' templates,
// and how group boxes and check boxes are numbered. Where they stand in
// pixels is the window's own affair.

// The translation context of the window's texts.
inline constexpr char kForm1Context[] = "TForm1";

inline constexpr char kForm1Caption[] = "Regalo_Vespera ver. 1.0.2 30.11.2017";
inline constexpr char kStatusEditMask[] = "AA\\ AA\\ AA\\ AA\\ AA\\ AA;1;";
inline constexpr char kErrorCodeEditMask[] = "AAAA;1; ";
inline constexpr char kInitialErrorCodeText[] = "0000";
inline constexpr char kInvalidErrorCodeMessage[] = QT_TRANSLATE_NOOP("TForm1", "Неверный код ошибки!");
// Why the explanation's Copy puts nothing on the clipboard, which keeps what it had.
inline constexpr char kNothingToCopy[] =
    QT_TRANSLATE_NOOP("TForm1", "Нечего копировать: ни один байт статуса не прочитан, код ошибки не переведён.");

// The text the control of this designer name is created with, marked for
// translation in the "TForm1" context (the fields' texts are not translated);
// nullptr for a control created without a text (group boxes take their byte's caption).
const char* Form1Text(const char* name);

// The designer numbered group boxes and check boxes in the order the panels
// stand, not by byte: GroupBoxN shows byte kBytesInGroupOrder[N - 1], and its
// boxes are CheckBox 8(N - 1) + 1 (bit 0) to 8N (bit 7). Panels are created
// and tabbed through in this order.
inline constexpr std::array<int, kStatusByteCount> kBytesInGroupOrder = {0, 3, 1, 4, 2, 5};

// N of the GroupBoxN that shows a byte; throws std::out_of_range for no byte.
int GroupBoxNumberOf(int byteIndex);
// N of the CheckBoxN that shows a flag.
int CheckBoxNumberOf(int byteIndex, int bit);

// The flag CheckBoxN shows, by byte and bit; nothing for a number no box has.
struct FlagPlace {
    int byteIndex;
    int bit;
};
std::optional<FlagPlace> FlagOfCheckBox(int number);
