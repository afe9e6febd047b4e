#include "cli/Input.h"

#include "core/Diagnostics.h"
#include "core/HexText.h"
#include "core/StatusRecord.h"

namespace {

// The character at `offset` of `text`, whole, and where it stands.
InputProblem BadCharacter(std::string_view text, std::size_t offset)
{
    const std::size_t length = Utf8SequenceLength(text, offset);
    return {InputProblem::Kind::NotHexadecimal, CharacterPosition(text, offset), 0,
            std::string(text.substr(offset, length == 0 ? 1 : length))};
}

} // namespace

bool ParseStatusLine(std::string_view input, StatusBytes& bytes, InputProblem& problem)
{
    StatusLineError wrong{};
    if (const auto line = ReadStatusLine(input, &wrong)) {
        bytes = line->bytes;
        return true;
    }
    switch (wrong.kind) {
    case StatusLineError::Kind::NotHexadecimal:
        problem = BadCharacter(input, wrong.offset);
        break;
    case StatusLineError::Kind::OneDigit:
        problem = {InputProblem::Kind::OneDigit, CharacterPosition(input, wrong.offset), 0, {}};
        break;
    case StatusLineError::Kind::ByteCount:
        problem = {InputProblem::Kind::ByteCount, 0, wrong.count, {}};
        break;
    }
    return false;
}

bool ParseErrorCode(std::string_view text, ErrorCode& code, InputProblem& problem)
{
    std::size_t bad = 0;
    if (const auto read = ReadErrorCode(text, CodeLetters::EitherCase, &bad)) {
        code = *read;
        return true;
    }
    const std::size_t characters = CharacterCount(text);
    if (characters != kErrorCodeLength) {
        problem = {InputProblem::Kind::WrongLength, 0, characters, {}};
        return false;
    }
    // Four characters, some of them more than a byte long: name the first.
    if (text.size() != kErrorCodeLength) {
        bad = 0;
        while (IsHexDigitChar(text[bad]))
            ++bad;
    }
    problem = BadCharacter(text, bad);
    return false;
}
