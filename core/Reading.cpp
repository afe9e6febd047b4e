#include "core/Reading.h"

#include "core/Diagnostics.h"
#include "core/HexText.h"
#include "core/ReadingRules.h"
#include "core/StatusRecord.h"
#include "core/Utf8.h"

#include <algorithm>

namespace {

// The character at `offset` of `text`, whole, and where it stands.
InputProblem BadCharacter(std::string_view text, std::size_t offset)
{
    const std::size_t length = Utf8SequenceLength(text, offset);
    return {InputProblem::Kind::NotHexadecimal, CharacterPosition(text, offset), 0,
            std::string(text.substr(offset, length == 0 ? 1 : length))};
}

// Text in another encoding, UTF-16 without its mark above all, shows NUL bytes.
bool HasZeroBytes(std::string_view input, InputProblem& problem)
{
    if (input.find('\0') == std::string_view::npos)
        return false;
    problem = {InputProblem::Kind::ZeroBytes, 0, 0, {}};
    return true;
}

} // namespace

bool ParseStatusLine(std::string_view input, StatusBytes& bytes, InputProblem& problem)
{
    if (ReadFieldForm(input, bytes))
        return true;
    StatusLineError wrong{};
    if (const auto line = ReadStatusLine(input, &wrong)) {
        bytes = line->bytes;
        return true;
    }
    if (HasZeroBytes(input, problem))
        return false;
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
    // Four digits, as nearly every code comes: nothing more to judge.
    if (const auto read = ReadErrorCode(text, CodeLetters::EitherCase)) {
        code = *read;
        return true;
    }
    if (HasZeroBytes(text, problem))
        return false;
    // The prefix only where more than a code's four characters stand.
    const std::size_t prefix = CharacterCount(text) > kErrorCodeLength ? LooseHexPrefixAt(text, 0) : 0;
    const std::string_view digits = text.substr(prefix);
    std::size_t bad = 0;
    if (const auto read = ReadErrorCode(digits, CodeLetters::EitherCase, &bad)) {
        code = *read;
        return true;
    }
    const std::size_t characters = CharacterCount(digits);
    if (characters != kErrorCodeLength) {
        problem = {InputProblem::Kind::WrongLength, 0, characters, {}};
        return false;
    }
    // Four characters, some of them more than a byte long: name the first.
    if (digits.size() != kErrorCodeLength) {
        bad = 0;
        while (IsHexDigitChar(digits[bad]))
            ++bad;
    }
    problem = BadCharacter(text, prefix + bad);
    return false;
}

namespace {

// A character shown in a message: one a terminal shows as it is, else
// nothing (the position names it).
bool Showable(const std::string& character)
{
    return character.size() == 1 && character[0] >= 0x20 && character[0] < 0x7F;
}

// The look-alike a character of a message is, if it is one.
std::optional<LookAlike> LookAlikeOf(const std::string& character)
{
    char32_t c = 0;
    if (character.empty() || DecodeUtf8(character, 0, c) != character.size())
        return std::nullopt;
    return ::LookAlikeOf(c);
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
        if (const auto lookAlike = LookAlikeOf(problem.text)) {
            const bool digit = lookAlike->latin >= '0' && lookAlike->latin <= '9';
            const char* text = lookAlike->script == Script::Cyrillic
                                   ? (digit ? QT_TRANSLATE_NOOP("Reading", "кириллическая «%1» на позиции %2 — нужна цифра %3")
                                            : QT_TRANSLATE_NOOP("Reading", "кириллическая «%1» на позиции %2 — нужна латинская %3"))
                                   : (digit ? QT_TRANSLATE_NOOP("Reading", "полноширинная «%1» на позиции %2 — нужна цифра %3")
                                            : QT_TRANSLATE_NOOP("Reading", "полноширинная «%1» на позиции %2 — нужна латинская %3"));
            return Filled(words(text), {problem.text, Number(problem.position), std::string(1, lookAlike->latin)});
        }
        if (Showable(problem.text))
            return Filled(words(QT_TRANSLATE_NOOP("Reading", "недопустимый символ «%1» на позиции %2")),
                          {problem.text, Number(problem.position)});
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "недопустимый символ на позиции %1")), {Number(problem.position)});
    case InputProblem::Kind::OneDigit:
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "у байта одна цифра вместо двух (позиция %1)")), {Number(problem.position)});
    case InputProblem::Kind::ByteCount:
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "неверное число байтов: %1 вместо 6")), {Number(problem.count)});
    case InputProblem::Kind::IncompleteByte:
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "байт %1 неполный")), {Number(problem.count)});
    case InputProblem::Kind::SeveralStatusLines:
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "в тексте несколько строк статуса (%1): вставьте одну")), {Number(problem.count)});
    case InputProblem::Kind::SeveralCodes:
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "в тексте несколько кодов ошибок (%1): вставьте один")), {Number(problem.count)});
    case InputProblem::Kind::NoStatusLine:
        return words(QT_TRANSLATE_NOOP("Reading", "в тексте нет строки статуса"));
    case InputProblem::Kind::NoCode:
        return words(QT_TRANSLATE_NOOP("Reading", "в тексте нет кода ошибки"));
    case InputProblem::Kind::CodeNotStatusLine:
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "в тексте код ошибки %1, а не строка статуса")), {problem.text});
    case InputProblem::Kind::StatusLineNotCode:
        return Filled(words(QT_TRANSLATE_NOOP("Reading", "в тексте строка статуса %1, а не код ошибки")), {problem.text});
    case InputProblem::Kind::TooLong:
        return Counted(kReadingContext, QT_TRANSLATE_N_NOOP("Reading", "значение длиннее %n байт(а)"), problem.count, translate);
    case InputProblem::Kind::ZeroBytes:
        return words(QT_TRANSLATE_NOOP("Reading",
                                       "в строке нулевые байты: это не UTF-8 (UTF-16 без метки порядка байтов?); сохраните файл в UTF-8"));
    }
    return {};
}

StatusFieldReading ReadStatusField(std::u32string_view text)
{
    StatusFieldReading reading;
    for (int byte = 0; byte < kStatusByteCount; ++byte) {
        const auto at = static_cast<std::size_t>(StatusFieldOffset(byte));
        const auto k = static_cast<std::size_t>(byte);
        const char32_t high = at < text.size() ? text[at] : U' ';
        const char32_t low = at + 1 < text.size() ? text[at + 1] : U' ';
        const auto hex = [](char32_t c) { return c < 0x80 && IsHexDigitChar(static_cast<char>(c)); };
        if (hex(high) && hex(low)) {
            reading.read[k] = true;
            reading.bytes[k] = static_cast<unsigned>(HexDigitValue(static_cast<char>(high)) * 16 + HexDigitValue(static_cast<char>(low)));
            continue;
        }
        if (reading.problem)
            continue;
        if (high == U' ' || low == U' ') {
            reading.problem = InputProblem{InputProblem::Kind::IncompleteByte, 0, k, {}};
        } else {
            const std::size_t offset = hex(high) ? at + 1 : at;
            reading.problem = InputProblem{InputProblem::Kind::NotHexadecimal, offset + 1, 0, ToUtf8(text.substr(offset, 1))};
        }
    }
    return reading;
}
