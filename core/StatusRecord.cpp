#include "core/StatusRecord.h"

#include "core/HexText.h"

#include <stdexcept>

namespace {

std::size_t CheckedOffset(const std::string& statusText, int offset)
{
    // Writing outside the text would corrupt it; fail loudly instead.
    const auto index = static_cast<std::size_t>(offset);
    if (offset < 0 || index >= statusText.size())
        throw std::out_of_range("status text position out of range");
    return index;
}

} // namespace

void WriteStatusByte(std::string& statusText, int byteIndex, unsigned value)
{
    // At least two digits; a wider value keeps its leading two, so the
    // separators around the field are never overwritten.
    while (value > 0xFFu)
        value >>= 4;
    const int offset = StatusFieldOffset(byteIndex);
    statusText[CheckedOffset(statusText, offset)] = UpperHexDigit(value >> 4);
    statusText[CheckedOffset(statusText, offset + 1)] = UpperHexDigit(value);
}

void WriteReceiptStateDigit(std::string& statusText, int receiptState)
{
    const std::size_t low = CheckedOffset(statusText, StatusFieldOffset(kReceiptStateByte) + 1);
    statusText[low] = UpperHexDigit(static_cast<unsigned>(receiptState) & 0x0Fu);
}

std::optional<unsigned> ScanStatusField(char high, char low)
{
    const char field[2] = {high, low};
    int i = 0;
    while (i < 2 && field[i] == ' ')
        ++i;
    std::optional<unsigned> value;
    for (; i < 2 && IsHexDigitChar(field[i]); ++i)
        value = value.value_or(0) * 16 + static_cast<unsigned>(HexDigitValue(field[i]));
    return value;
}

std::optional<unsigned> ScanStatusByte(const std::string& statusText, int byteIndex)
{
    const int offset = StatusFieldOffset(byteIndex);
    return ScanStatusField(statusText[CheckedOffset(statusText, offset)],
                           statusText[CheckedOffset(statusText, offset + 1)]);
}

bool HoldsTwoHexDigits(const std::string& statusText, int byteIndex)
{
    const int offset = StatusFieldOffset(byteIndex);
    return IsHexDigitChar(statusText[CheckedOffset(statusText, offset)])
           && IsHexDigitChar(statusText[CheckedOffset(statusText, offset + 1)]);
}
