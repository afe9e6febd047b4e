#pragma once

#include "core/StatusFlagCatalogue.h"

#include <optional>
#include <string>

// The status text: six two-digit hexadecimal fields separated by single
// spaces, "80 80 80 80 80 80". One byte per position (the entry field's text
// in the 8-bit code page), so offsets and positions always agree.

inline constexpr int kStatusTextLength = 17;
inline constexpr char kInitialStatusText[] = "80 80 80 80 80 80";

// 0-based offset of the high digit of byte k; the low digit follows it.
constexpr int StatusFieldOffset(int byteIndex)
{
    return 3 * byteIndex;
}

// The byte whose field holds the character at a 0-based offset.
constexpr int StatusByteAtOffset(int offset)
{
    return offset / 3;
}

// Writes `value` as two upper-case hexadecimal digits into byte k's field;
// every other character stays as it is.
void WriteStatusByte(std::string& statusText, int byteIndex, unsigned value);

// Writes the receipt state (0-15) as one upper-case digit over the low digit
// of byte 2; the high digit stays as it is.
void WriteReceiptStateDigit(std::string& statusText, int receiptState);

// Reads the two characters of one field as a hexadecimal number: leading
// blanks are skipped, then digits in either case are read up to the first
// other character. No digit after the blanks: no value.
std::optional<unsigned> ScanStatusField(char high, char low);

// The same for byte k of a status text.
std::optional<unsigned> ScanStatusByte(const std::string& statusText, int byteIndex);

// Whether byte k's field holds two hexadecimal digits, so that it reads as
// the same value however it is scanned.
bool HoldsTwoHexDigits(const std::string& statusText, int byteIndex);

// The receipt state (bits 0-3 of byte 2) held in a byte.
constexpr int ReceiptStateOf(unsigned byteValue)
{
    return static_cast<int>(byteValue & 0x0Fu);
}
