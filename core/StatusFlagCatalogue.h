#pragma once

#include <array>

// What the six status bytes mean: one panel of eight flags per byte, and the
// sixteen receipt states held in bits 0-3 of byte 2. Captions are UTF-8.

inline constexpr int kStatusByteCount = 6;
inline constexpr int kBitsPerByte = 8;
inline constexpr int kAlwaysSetBit = 7;
inline constexpr unsigned kAlwaysSetValue = 0x80;
inline constexpr int kReceiptStateByte = 2;
inline constexpr int kReceiptStateBits = 4;
inline constexpr int kReceiptStateCount = 16;

struct StatusPanel {
    int byteIndex;
    int groupBoxNumber;      // GroupBoxN on the main window
    int firstCheckBoxNumber; // CheckBoxN shows bit 0, N+7 shows bit 7
    const char* caption;
};

struct StatusFlag {
    int byteIndex;
    int bit;
    const char* caption;

    constexpr unsigned Value() const { return 1u << bit; }
};

// In byte order.
extern const std::array<StatusPanel, kStatusByteCount> StatusPanels;

// Byte by byte, bit 0 to bit 7 within each byte.
extern const std::array<StatusFlag, kStatusByteCount * kBitsPerByte> StatusFlagCatalogue;

// Indexed by receipt state.
extern const std::array<const char*, kReceiptStateCount> ReceiptStateList;

const StatusPanel& PanelOfByte(int byteIndex);
const StatusFlag& FlagOf(int byteIndex, int bit);
int CheckBoxNumberOf(int byteIndex, int bit);
