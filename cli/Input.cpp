#include "cli/Input.h"

#include "core/Diagnostics.h"
#include "cli/Words.h"
#include "core/HexText.h"
#include "core/StatusRecord.h"

namespace {

// What is wrong with the character at `offset` of `text`, and where it stands.
std::string BadCharacter(std::string_view text, std::size_t offset)
{
    const char c = text[offset];
    const bool shown = static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F;
    return (shown ? Words(QT_TRANSLATE_NOOP("regalo-decode", "non-hexadecimal character")) + " '" + c + "'" : Words(QT_TRANSLATE_NOOP("regalo-decode", "a non-hexadecimal character"))) + " " + Words(QT_TRANSLATE_NOOP("regalo-decode", "at position")) + " "
           + std::to_string(CharacterPosition(text, offset));
}

} // namespace

bool ParseStatusLine(std::string_view input, StatusBytes& bytes, std::string& error)
{
    StatusLineError wrong{};
    if (const auto line = ReadStatusLine(input, &wrong)) {
        bytes = line->bytes;
        return true;
    }
    switch (wrong.kind) {
    case StatusLineError::Kind::NotHexadecimal:
        error = BadCharacter(input, wrong.offset);
        break;
    case StatusLineError::Kind::OneDigit:
        error = Words(QT_TRANSLATE_NOOP("regalo-decode", "a byte needs two hexadecimal digits")) + " (" + Words(QT_TRANSLATE_NOOP("regalo-decode", "position")) + " "
                + std::to_string(CharacterPosition(input, wrong.offset)) + ")";
        break;
    case StatusLineError::Kind::ByteCount:
        error = Words(QT_TRANSLATE_NOOP("regalo-decode", "wrong number of bytes")) + ": " + std::to_string(wrong.count) + " " + Words(QT_TRANSLATE_NOOP("regalo-decode", "instead of")) + " " + std::to_string(kStatusByteCount);
        break;
    }
    return false;
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
