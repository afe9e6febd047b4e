#include "core/Reading.h"

#include "core/Diagnostics.h"
#include "core/HexText.h"
#include "core/StatusRecord.h"
#include "core/Utf8.h"

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

namespace {

// A character shown in a message: one a terminal shows as it is, else
// nothing (the position names it).
bool Showable(const std::string& character)
{
    return character.size() == 1 && character[0] >= 0x20 && character[0] < 0x7F;
}

// Cyrillic letters that look like what belongs in a code: typed with the
// Russian layout on, or copied from a Russian document.
struct LookAlike {
    const char* cyrillic;
    const char* latin;
    bool digit;
};
constexpr LookAlike kLookAlikes[] = {
    {"А", "A", false}, {"В", "B", false}, {"С", "C", false}, {"Е", "E", false}, {"а", "a", false},
    {"в", "b", false}, {"с", "c", false}, {"е", "e", false}, {"О", "0", true},  {"о", "0", true},
};

const LookAlike* LookAlikeOf(const std::string& character)
{
    for (const LookAlike& lookAlike : kLookAlikes) {
        if (character == lookAlike.cyrillic)
            return &lookAlike;
    }
    return nullptr;
}

std::string Number(std::size_t value)
{
    return std::to_string(value);
}

} // namespace

std::string Phrased(const InputProblem& problem, TextTranslation translate)
{
    const auto words = [translate](const char* text) { return Translated(kReadingContext, text, translate); };
    switch (problem.kind) {
    case InputProblem::Kind::WrongLength:
        return Counted(kReadingContext, QT_TRANSLATE_N_NOOP("Reading", "неверная длина: %n символ(ов) вместо 4"), problem.count,
                       translate);
    case InputProblem::Kind::NotHexadecimal:
        if (const LookAlike* lookAlike = LookAlikeOf(problem.character))
            return Filled(words(lookAlike->digit ? QT_TRANSLATE_NOOP("Reading", "кириллическая «%1» на позиции %2 — нужна цифра %3")
                                                 : QT_TRANSLATE_NOOP("Reading", "кириллическая «%1» на позиции %2 — нужна латинская %3")),
                          {lookAlike->cyrillic, Number(problem.position), lookAlike->latin});
        if (Showable(problem.character))
            return Filled(words(QT_TRANSLATE_NOOP("Reading", "недопустимый символ «%1» на позиции %2")),
                          {problem.character, Number(problem.position)});
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "недопустимый символ на позиции %1")), {Number(problem.position)});
    case InputProblem::Kind::OneDigit:
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "у байта одна цифра вместо двух (позиция %1)")), {Number(problem.position)});
    case InputProblem::Kind::ByteCount:
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "неверное число байтов: %1 вместо 6")), {Number(problem.count)});
    }
    return {};
}
