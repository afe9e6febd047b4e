#pragma once

#include <array>

// What the six status bytes mean: eight flags per byte, and the
// sixteen receipt states held in bits 0-3 of byte 2. Captions are UTF-8.

inline constexpr int kStatusByteCount = 6;
inline constexpr int kBitsPerByte = 8;
inline constexpr int kAlwaysSetBit = 7;
inline constexpr unsigned kAlwaysSetValue = 0x80;
inline constexpr int kReceiptStateByte = 2;
inline constexpr int kReceiptStateBits = 4;
inline constexpr int kReceiptStateCount = 16;

struct StatusFlag {
    int byteIndex;
    int bit;
    const char* caption;

    constexpr unsigned Value() const { return 1u << bit; }
};

// What each byte is about, in byte order.
extern const std::array<const char*, kStatusByteCount> StatusByteCaptions;

// Byte by byte, bit 0 to bit 7 within each byte.
extern const std::array<StatusFlag, kStatusByteCount * kBitsPerByte> StatusFlagCatalogue;

// Indexed by receipt state.
extern const std::array<const char*, kReceiptStateCount> ReceiptStateList;

// Throws std::out_of_range outside bytes 0-5 and bits 0-7.
const char* ByteCaption(int byteIndex);
const StatusFlag& FlagOf(int byteIndex, int bit);
