#include "cli/Input.h"

#include "core/HexText.h"

namespace {

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '-' || c == ':';
}

std::string Describe(char c)
{
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
        return "a non-hexadecimal character";
    return std::string("non-hexadecimal character '") + c + "'";
}

} // namespace

std::string_view Trimmed(std::string_view input)
{
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t first = 0;
    std::size_t end = input.size();
    while (first < end && blank(input[first]))
        ++first;
    while (end > first && blank(input[end - 1]))
        --end;
    return input.substr(first, end - first);
}

// The usual "80 80 89 80 80 80" (or with dashes or colons), read directly.
bool ParseUsualStatusLine(std::string_view line, StatusBytes& bytes)
{
    if (line.size() != 17)
        return false;
    for (std::size_t k = 0; k < 6; ++k) {
        const std::size_t at = 3 * k;
        const int high = HexDigitValue(line[at]);
        const int low = HexDigitValue(line[at + 1]);
        if (high < 0 || low < 0 || (k < 5 && !IsSeparator(line[at + 2])))
            return false;
        bytes[k] = static_cast<unsigned>(high * 16 + low);
    }
    return true;
}

bool ParseStatusLine(std::string_view input, StatusBytes& bytes, std::string& error)
{
    const std::string_view line = Trimmed(input);
    if (ParseUsualStatusLine(line, bytes))
        return true;
    const std::size_t offset = static_cast<std::size_t>(line.data() - input.data());
    int count = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsSeparator(line[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsSeparator(line[i])) {
            if (!IsHexDigitChar(line[i])) {
                error = Describe(line[i]) + " at position " + std::to_string(offset + i + 1);
                return false;
            }
            ++i;
        }
        // A run of digits with no separators holds as many bytes as it has pairs.
        if ((i - start) % 2 != 0) {
            error = "a byte needs two hexadecimal digits (position " + std::to_string(offset + start + 1) + ")";
            return false;
        }
        for (std::size_t k = start; k < i; k += 2) {
            if (count < kStatusByteCount) {
                bytes[static_cast<std::size_t>(count)] =
                    static_cast<unsigned>(HexDigitValue(line[k]) * 16 + HexDigitValue(line[k + 1]));
            }
            ++count;
        }
    }
    if (count != kStatusByteCount) {
        error = "wrong number of bytes: " + std::to_string(count) + " instead of 6";
        return false;
    }
    return true;
}

bool ParseErrorCode(std::string_view input, ErrorCodeValue& code, std::string& error)
{
    const std::string_view text = Trimmed(input);
    const std::size_t offset = static_cast<std::size_t>(text.data() - input.data());
    if (text.size() != 4) {
        error = "wrong length: " + std::to_string(text.size()) + " characters instead of 4";
        return false;
    }
    int digits[4];
    for (std::size_t i = 0; i < 4; ++i) {
        digits[i] = HexDigitValue(text[i]);
        if (digits[i] < 0) {
            error = Describe(text[i]) + " at position " + std::to_string(offset + i + 1);
            return false;
        }
    }
    code.detail = digits[0] * 16 + digits[1];
    code.errorClass = digits[2] * 16 + digits[3];
    return true;
}
