#include "cli/Input.h"

#include "cli/Diagnostics.h"
#include "cli/Words.h"
#include "core/HexText.h"
#include "core/StatusRecord.h"

namespace {

bool IsSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '-' || c == ':';
}

// What is wrong with the character at `offset` of `text`, and where it stands.
std::string BadCharacter(std::string_view text, std::size_t offset)
{
    const char c = text[offset];
    const bool shown = static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
    return (shown ? Words(QT_TRANSLATE_NOOP("regalo-decode", "non-hexadecimal character")) + " '" + c + "'" : Words(QT_TRANSLATE_NOOP("regalo-decode", "a non-hexadecimal character"))) + " " + Words(QT_TRANSLATE_NOOP("regalo-decode", "at position")) + " "
           + std::to_string(CharacterPosition(text, offset));
}

// The usual "80 80 89 80 80 80" (or with dashes or colons), read directly.
bool ParseUsualStatusLine(std::string_view line, StatusBytes& bytes)
{
    if (line.size() != kStatusTextLength)
        return false;
    for (int k = 0; k < kStatusByteCount; ++k) {
        const auto at = static_cast<std::size_t>(StatusFieldOffset(k));
        const int high = HexDigitValue(line[at]);
        const int low = HexDigitValue(line[at + 1]);
        if (high < 0 || low < 0 || (at + 2 < line.size() && !IsSeparator(line[at + 2])))
            return false;
        bytes[static_cast<std::size_t>(k)] = static_cast<unsigned>(high * 16 + low);
    }
    return true;
}

} // namespace

bool ParseStatusLine(std::string_view input, StatusBytes& bytes, std::string& error)
{
    const std::string_view line = Trimmed(input);
    if (ParseUsualStatusLine(line, bytes))
        return true;
    const auto offset = static_cast<std::size_t>(line.data() - input.data());
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsSeparator(line[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsSeparator(line[i])) {
            if (!IsHexDigitChar(line[i])) {
                error = BadCharacter(input, offset + i);
                return false;
            }
            ++i;
        }
        // A run of digits with no separators holds as many bytes as it has pairs.
        if ((i - start) % 2 != 0) {
            error = Words(QT_TRANSLATE_NOOP("regalo-decode", "a byte needs two hexadecimal digits")) + " (" + Words(QT_TRANSLATE_NOOP("regalo-decode", "position")) + " "
                    + std::to_string(CharacterPosition(input, offset + start)) + ")";
            return false;
        }
        for (std::size_t k = start; k < i; k += 2, ++count) {
            if (count < bytes.size())
                bytes[count] = static_cast<unsigned>(HexDigitValue(line[k]) * 16 + HexDigitValue(line[k + 1]));
        }
    }
    if (count != bytes.size()) {
        error = Words(QT_TRANSLATE_NOOP("regalo-decode", "wrong number of bytes")) + ": " + std::to_string(count) + " " + Words(QT_TRANSLATE_NOOP("regalo-decode", "instead of")) + " " + std::to_string(bytes.size());
        return false;
    }
    return true;
}

bool ParseErrorCode(std::string_view input, ErrorCode& code, std::string& error)
{
    const std::string_view text = Trimmed(input);
    std::size_t bad = 0;
    if (const auto read = ReadErrorCode(text, CodeLetters::EitherCase, &bad)) {
        code = *read;
        return true;
    }
    const std::size_t characters = CharacterCount(text);
    if (characters != kErrorCodeLength) {
        error = Words(QT_TRANSLATE_NOOP("regalo-decode", "wrong length")) + ": " + CountOf(characters, Words(QT_TRANSLATE_NOOP("regalo-decode", "character")), Words(QT_TRANSLATE_NOOP("regalo-decode", "characters"))) + " " + Words(QT_TRANSLATE_NOOP("regalo-decode", "instead of")) + " "
                + std::to_string(kErrorCodeLength);
        return false;
    }
    // Four characters, some of them more than a byte long: name the first.
    if (text.size() != kErrorCodeLength) {
        bad = 0;
        while (IsHexDigitChar(text[bad]))
            ++bad;
    }
    error = BadCharacter(input, static_cast<std::size_t>(text.data() - input.data()) + bad);
    return false;
}
