#include "core/StatusLine.h"

#include "core/HexText.h"

#include <algorithm>

namespace {

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

} // namespace

namespace {

} // namespace

bool ReadFieldForm(std::string_view input, StatusBytes& bytes)
{
    if (input.size() != kStatusTextLength)
        return false;
    int digits = 0;
    for (std::size_t byte = 0; byte < kStatusByteCount; ++byte) {
        const std::size_t at = 3 * byte;
        const int high = HexDigitValue(input[at]);
        const int low = HexDigitValue(input[at + 1]);
        digits |= high | low;
        bytes[byte] = static_cast<unsigned>(high * 16 + low);
        if (byte + 1 < kStatusByteCount && input[at + 2] != ' ')
            return false;
    }
    return digits >= 0;
}

std::optional<StatusLine> ReadStatusLine(std::string_view input, StatusLineError* error)
{
    if (StatusLine line; ReadFieldForm(input, line.bytes)) {
        std::copy(input.begin(), input.end(), line.text.begin());
        return line;
    }
    std::size_t end = input.size();
    while (end > 0 && IsWhiteSpace(input[end - 1]))
        --end;
    std::size_t i = 0;
    while (i < end && IsWhiteSpace(input[i]))
        ++i;

    auto fail = [error](StatusLineError::Kind kind, std::size_t offset, std::size_t count) -> std::optional<StatusLine> {
        if (error)
            *error = {kind, offset, count};
        return std::nullopt;
    };

    StatusLine line{};
    line.text.fill(' ');
    std::size_t count = 0;
    while (i < end) {
        i += HexPrefixAt(input.substr(0, end), i);
        if (!IsHexDigitChar(input[i]))
            return fail(StatusLineError::Kind::NotHexadecimal, i, 0);
        if (i + 1 >= end || !IsHexDigitChar(input[i + 1])) {
            const bool separated = i + 1 >= end || IsBlank(input[i + 1]) || IsPunctuationSeparator(input[i + 1]);
            return separated ? fail(StatusLineError::Kind::OneDigit, i, 0)
                             : fail(StatusLineError::Kind::NotHexadecimal, i + 1, 0);
        }
        // Past the sixth byte the rest is only counted, for the message.
        if (count < kStatusByteCount) {
            line.bytes[count] = static_cast<unsigned>(HexDigitValue(input[i]) * 16 + HexDigitValue(input[i + 1]));
            const auto at = static_cast<std::size_t>(StatusFieldOffset(static_cast<int>(count)));
            line.text[at] = input[i];
            line.text[at + 1] = input[i + 1];
        }
        ++count;
        i += 2;
        // Between bytes: blanks, one punctuation mark among them, or nothing.
        while (i < end && IsBlank(input[i]))
            ++i;
        if (i < end && IsPunctuationSeparator(input[i])) {
            ++i;
            while (i < end && IsBlank(input[i]))
                ++i;
            if (i >= end)
                return fail(StatusLineError::Kind::NotHexadecimal, i - 1, 0);
        }
    }
    if (count != kStatusByteCount)
        return fail(StatusLineError::Kind::ByteCount, 0, count);
    return line;
}

std::array<char, kStatusTextLength> StatusHexChars(const StatusBytes& bytes)
{
    std::array<char, kStatusTextLength> text;
    WriteStatusHex(text.data(), bytes);
    return text;
}

void AppendStatusHex(std::string& out, const StatusBytes& bytes)
{
    const std::size_t at = out.size();
    out.resize(at + kStatusTextLength);
    WriteStatusHex(out.data() + at, bytes);
}

std::string StatusHexText(const StatusBytes& bytes)
{
    std::string text;
    AppendStatusHex(text, bytes);
    return text;
}
