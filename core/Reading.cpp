#include "core/Reading.h"

#include "core/Diagnostics.h"
#include "core/HexText.h"
#include "core/Scan.h"
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
    if (HasZeroBytes(input, problem))
        return false;
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

namespace {

// "0x" or "0X" before a code: written so by programs as by people.
constexpr std::size_t kPrefixLength = 2;

bool HasHexPrefix(std::string_view text)
{
    return text.size() > kPrefixLength && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

} // namespace

bool ParseErrorCode(std::string_view text, ErrorCode& code, InputProblem& problem)
{
    if (HasZeroBytes(text, problem))
        return false;
    // The prefix only where more than a code's four characters stand.
    const std::size_t prefix = HasHexPrefix(text) && CharacterCount(text) > kErrorCodeLength ? kPrefixLength : 0;
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

// Letters that look like what belongs in a code: Cyrillic ones, typed with
// the Russian layout on or copied from a Russian document, and full-width
// ones, from East Asian input methods and documents.
enum class Script { Cyrillic, FullWidth };
struct LookAlike {
    char32_t character;
    char latin;
    Script script;
};
constexpr LookAlike kLookAlikes[] = {
    {U'А', 'A', Script::Cyrillic}, {U'В', 'B', Script::Cyrillic}, {U'С', 'C', Script::Cyrillic},
    {U'Е', 'E', Script::Cyrillic}, {U'а', 'a', Script::Cyrillic}, {U'в', 'b', Script::Cyrillic},
    {U'с', 'c', Script::Cyrillic}, {U'е', 'e', Script::Cyrillic}, {U'О', '0', Script::Cyrillic},
    {U'о', '0', Script::Cyrillic},
};

std::optional<LookAlike> LookAlikeOf(char32_t c)
{
    for (const LookAlike& lookAlike : kLookAlikes) {
        if (c == lookAlike.character)
            return lookAlike;
    }
    // U+FF10-FF19 are the full-width digits, U+FF21-FF26 and U+FF41-FF46 A-F and a-f.
    if (c >= 0xFF10 && c <= 0xFF19)
        return LookAlike{c, static_cast<char>('0' + (c - 0xFF10)), Script::FullWidth};
    if (c >= 0xFF21 && c <= 0xFF26)
        return LookAlike{c, static_cast<char>('A' + (c - 0xFF21)), Script::FullWidth};
    if (c >= 0xFF41 && c <= 0xFF46)
        return LookAlike{c, static_cast<char>('a' + (c - 0xFF41)), Script::FullWidth};
    return std::nullopt;
}

std::optional<LookAlike> LookAlikeOf(const std::string& character)
{
    char32_t c = 0;
    if (character.empty() || DecodeUtf8(character, 0, c) != character.size())
        return std::nullopt;
    return LookAlikeOf(c);
}

// What a status line's or a code's characters may be in the shape of one:
// digits and letters of the scripts a reading is copied from.
bool IsLetterOrDigitOfAReading(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= 0x0400 && c <= 0x04FF) || (c >= 0xFF10 && c <= 0xFF19)
           || (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A);
}

// A hexadecimal digit, or a letter that looks like one.
bool IsDigitOrItsLookAlike(char32_t c)
{
    if (c < 0x80)
        return IsHexDigitChar(static_cast<char>(c));
    const auto lookAlike = LookAlikeOf(c);
    return lookAlike && IsHexDigitChar(lookAlike->latin);
}

bool IsLineSeparator(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'-' || c == U':' || c == U',' || c == U';';
}

bool StartsWithHexPrefix(std::u32string_view text)
{
    return text.size() > kPrefixLength && text[0] == U'0' && (text[1] == U'x' || text[1] == U'X');
}

// Three or more separated pairs, or twelve digits and look-alikes.
bool HasTheShapeOfAStatusLine(std::u32string_view text)
{
    std::size_t pairs = 0;
    bool separated = false;
    for (std::size_t i = 0; i < text.size();) {
        if (IsLineSeparator(text[i])) {
            separated = true;
            ++i;
            continue;
        }
        if (StartsWithHexPrefix(text.substr(i)))
            i += kPrefixLength;
        std::size_t length = 0;
        while (i + length < text.size() && IsLetterOrDigitOfAReading(text[i + length]))
            ++length;
        if (length != 2)
            break;
        ++pairs;
        i += length;
        if (i == text.size())
            return separated && pairs >= 3;
    }
    return text.size() == 2 * kStatusByteCount && std::all_of(text.begin(), text.end(), IsDigitOrItsLookAlike);
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
        if (const auto lookAlike = LookAlikeOf(problem.character)) {
            const bool digit = lookAlike->latin >= '0' && lookAlike->latin <= '9';
            const char* text = lookAlike->script == Script::Cyrillic
                                   ? (digit ? QT_TRANSLATE_NOOP("Reading", "кириллическая «%1» на позиции %2 — нужна цифра %3")
                                            : QT_TRANSLATE_NOOP("Reading", "кириллическая «%1» на позиции %2 — нужна латинская %3"))
                                   : (digit ? QT_TRANSLATE_NOOP("Reading", "полноширинная «%1» на позиции %2 — нужна цифра %3")
                                            : QT_TRANSLATE_NOOP("Reading", "полноширинная «%1» на позиции %2 — нужна латинская %3"));
            return Filled(words(text), {problem.character, Number(problem.position), std::string(1, lookAlike->latin)});
        }
        if (Showable(problem.character))
            return Filled(words(QT_TRANSLATE_NOOP("Reading", "недопустимый символ «%1» на позиции %2")),
                          {problem.character, Number(problem.position)});
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

namespace {

// The one value of `kind` a piece of a log holds, as it stands there (a
// code without its 0x); nothing where it holds none.
std::optional<PastedValue> FromALog(std::string_view utf8, FoundReading::Kind kind)
{
    std::vector<FoundReading> found;
    FindReadings(utf8, false, found);
    std::erase_if(found, [kind](const FoundReading& reading) { return reading.kind != kind; });
    if (found.empty())
        return std::nullopt;
    const auto same = [&](const FoundReading& reading) {
        return kind == FoundReading::Kind::Status ? reading.bytes == found.front().bytes
                                                  : reading.code.errorClass == found.front().code.errorClass
                                                        && reading.code.detail == found.front().code.detail;
    };
    if (!std::all_of(found.begin(), found.end(), same)) {
        const auto several = kind == FoundReading::Kind::Status ? InputProblem::Kind::SeveralStatusLines : InputProblem::Kind::SeveralCodes;
        return PastedValue{std::nullopt, InputProblem{several, 0, found.size(), {}}};
    }
    const std::string_view text = found.front().text;
    if (kind == FoundReading::Kind::Error)
        return PastedValue{std::string(text.substr(text.size() - kErrorCodeLength)), std::nullopt};
    const auto line = ReadStatusLine(text);
    return PastedValue{std::string(line->text.begin(), line->text.end()), std::nullopt};
}

} // namespace

PastedValue PastedStatusLine(std::string_view utf8)
{
    StatusLineError wrong{};
    if (const auto line = ReadStatusLine(utf8, &wrong))
        return {std::string(line->text.begin(), line->text.end()), std::nullopt};
    if (auto fromLog = FromALog(utf8, FoundReading::Kind::Status))
        return *fromLog;
    if (!HasTheShapeOfAStatusLine(FromUtf8(Trimmed(utf8))))
        return {};
    StatusBytes bytes{};
    InputProblem problem{};
    ParseStatusLine(utf8, bytes, problem);
    return {std::nullopt, problem};
}

PastedValue PastedErrorCode(std::string_view utf8)
{
    const std::string_view trimmed = Trimmed(utf8);
    const std::u32string text = FromUtf8(trimmed);
    std::u32string_view code = text;
    const bool prefixed = StartsWithHexPrefix(code) && code.size() == kPrefixLength + kErrorCodeLength;
    if (prefixed)
        code.remove_prefix(kPrefixLength);
    if (code.size() != kErrorCodeLength || !std::all_of(code.begin(), code.end(), IsLetterOrDigitOfAReading))
        return FromALog(utf8, FoundReading::Kind::Error).value_or(PastedValue{});
    // Four digits as they stand are typed in, as any paste is.
    if (!prefixed && std::all_of(code.begin(), code.end(), [](char32_t c) { return c < 0x80 && IsHexDigitChar(static_cast<char>(c)); }))
        return {};
    ErrorCode read{};
    InputProblem problem{};
    if (ParseErrorCode(trimmed, read, problem))
        return {ToUtf8(code), std::nullopt};
    return {std::nullopt, problem};
}
