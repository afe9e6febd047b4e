#include "core/ErrorCodes.h"
#include "core/HexText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// Any text: false exactly when it is not four upper-case hexadecimal digits,
// and then the message is left alone; otherwise the catalogue's message.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string code(reinterpret_cast<const char*>(data), size);
    std::string message = "\x01untouched";
    const bool decoded = DecodeErrorCode(code, message);
    bool wellFormed = code.size() == 4;
    for (char c : code)
        wellFormed = wellFormed && IsHexDigitChar(c) && !(c >= 'a' && c <= 'f');
    if (decoded != wellFormed)
        std::abort();
    if (!decoded && message != "\x01untouched")
        std::abort();
    if (decoded) {
        const int detail = HexDigitValue(code[0]) * 16 + HexDigitValue(code[1]);
        const int errorClass = HexDigitValue(code[2]) * 16 + HexDigitValue(code[3]);
        if (message != BuildErrorMessage(errorClass, detail))
            std::abort();
        if (FindErrorClass(errorClass) == nullptr && !message.empty())
            std::abort();
    }
    return 0;
}
