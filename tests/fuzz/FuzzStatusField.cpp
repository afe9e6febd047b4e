#include "core/HexText.h"
#include "core/StatusRecord.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// A status text of any 17 bytes: scanning reads what a hexadecimal
// conversion would, writing a byte touches its two characters only.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kStatusTextLength + 2)
        return 0;
    std::string text(reinterpret_cast<const char*>(data), kStatusTextLength);
    const int byteIndex = data[kStatusTextLength] % kStatusByteCount;
    const unsigned value = data[kStatusTextLength + 1];

    for (int k = 0; k < kStatusByteCount; ++k) {
        const char high = text[static_cast<std::size_t>(StatusFieldOffset(k))];
        const char low = text[static_cast<std::size_t>(StatusFieldOffset(k) + 1)];
        const auto scanned = ScanStatusByte(text, k);
        const char first = high == ' ' ? low : high;
        if (scanned.has_value() != IsHexDigitChar(first))
            std::abort();
        if (scanned && *scanned > 0xFF)
            std::abort();
        if (HoldsTwoHexDigits(text, k)
            && *scanned != static_cast<unsigned>(HexDigitValue(high) * 16 + HexDigitValue(low)))
            std::abort();
    }

    std::string written = text;
    WriteStatusByte(written, byteIndex, value);
    if (FirstDifference(written, text, kStatusTextLength) >= 0
        && StatusByteAtOffset(FirstDifference(written, text, kStatusTextLength)) != byteIndex)
        std::abort();
    if (ScanStatusByte(written, byteIndex) != value)
        std::abort();
    std::string stated = text;
    WriteReceiptStateDigit(stated, value & 0x0F);
    for (int i = 0; i < kStatusTextLength; ++i) {
        if (i != StatusFieldOffset(kReceiptStateByte) + 1 && stated[static_cast<std::size_t>(i)] != text[static_cast<std::size_t>(i)])
            std::abort();
    }
    return 0;
}
