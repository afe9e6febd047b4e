#include "core/Scan.h"

#include "core/HexText.h"
#include "core/Utf8.h"

#include <array>

namespace {

bool IsHex(std::string_view line, std::size_t i)
{
    return i < line.size() && IsHexDigitChar(line[i]);
}

bool IsDigit(std::string_view line, std::size_t i)
{
    return i < line.size() && line[i] >= '0' && line[i] <= '9';
}

// Part of a word: a Latin letter, a digit, or any letter of another script
// (its UTF-8 bytes): text attached to a reading makes it none.
bool IsWordByte(std::string_view line, std::size_t i)
{
    if (i >= line.size())
        return false;
    const auto c = static_cast<unsigned char>(line[i]);
    return c >= 0x80 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool StartsAWord(std::string_view line, std::size_t i)
{
    return i == 0 || !IsWordByte(line, i - 1);
}

// "0x" or "0X" before a digit.
std::size_t PrefixAt(std::string_view line, std::size_t i)
{
    return i + 2 < line.size() && line[i] == '0' && (line[i + 1] == 'x' || line[i + 1] == 'X') && IsHex(line, i + 2) ? 2 : 0;
}

// A pair at `i`, maybe prefixed, standing alone: where it ends, or 0.
std::size_t PairAt(std::string_view line, std::size_t i)
{
    const std::size_t start = i + PrefixAt(line, i);
    return IsHex(line, start) && IsHex(line, start + 1) && !IsHex(line, start + 2) ? start + 2 : 0;
}

// Between separated pairs: blanks, one punctuation mark among them; not
// nothing. Its mark (' ' for blanks only) must be the same all along a
// line, so that a clock "10:00:01" before "80 84 89 80 83 91" stays apart.
struct Gap {
    std::size_t end;
    char mark;
};

Gap GapAt(std::string_view line, std::size_t i)
{
    Gap gap{i, ' '};
    while (gap.end < line.size() && IsBlank(line[gap.end]))
        ++gap.end;
    if (gap.end < line.size() && IsPunctuationSeparator(line[gap.end])) {
        gap.mark = line[gap.end++];
        while (gap.end < line.size() && IsBlank(line[gap.end]))
            ++gap.end;
    }
    return gap;
}

// A run of readings-like text from `start`: its end, and whether it is a
// status line (six pairs, standing apart).
struct Run {
    std::size_t end;
    bool sixPairs;
};

Run RunAt(std::string_view line, std::size_t start)
{
    // Twelve digits in one piece.
    if (PrefixAt(line, start) == 0 && IsHex(line, start) && IsHex(line, start + 1) && IsHex(line, start + 2)) {
        std::size_t end = start;
        while (IsHex(line, end))
            ++end;
        return {end, end - start == 2 * kStatusByteCount && !IsWordByte(line, end)};
    }
    std::size_t end = PairAt(line, start);
    if (end == 0)
        return {start + 1, false};
    std::size_t pairs = 1;
    char mark = 0;
    for (;;) {
        const Gap gap = GapAt(line, end);
        const std::size_t next = gap.end > end && (mark == 0 || gap.mark == mark) ? PairAt(line, gap.end) : 0;
        if (next == 0)
            break;
        mark = gap.mark;
        end = next;
        ++pairs;
    }
    return {end, pairs == kStatusByteCount && !IsWordByte(line, end)};
}

char32_t Lower(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= U'А' && c <= U'Я'))
        return c + 32;
    return c == U'Ё' ? U'ё' : c;
}

// The words that say error, in lower case.
constexpr std::array<std::u32string_view, 5> kErrorWords = {U"код ошибки", U"ошибка", U"error", U"err", U"code"};

// Where a word that says error at `i` ends, or 0.
std::size_t ErrorWordAt(std::string_view line, std::size_t i)
{
    for (const std::u32string_view word : kErrorWords) {
        std::size_t at = i;
        bool same = true;
        for (const char32_t expected : word) {
            char32_t c = 0;
            const std::size_t length = at < line.size() ? DecodeUtf8(line, at, c) : 0;
            if (length == 0 || Lower(c) != expected) {
                same = false;
                break;
            }
            at += length;
        }
        if (same && !IsWordByte(line, at))
            return at;
    }
    return 0;
}

// Four digits standing alone at `i`, maybe prefixed: where they end, or 0.
std::size_t CodeAt(std::string_view line, std::size_t i, bool prefixed)
{
    const std::size_t start = i + PrefixAt(line, i);
    if (prefixed && start == i)
        return 0;
    for (std::size_t k = 0; k < kErrorCodeLength; ++k) {
        if (!IsHex(line, start + k))
            return 0;
    }
    return IsWordByte(line, start + kErrorCodeLength) ? 0 : start + kErrorCodeLength;
}

// The code from `start` (its 0x too) to `end`.
void AddCode(std::string_view line, std::size_t start, std::size_t end, std::vector<FoundReading>& found)
{
    if (const auto code = ReadErrorCode(line.substr(end - kErrorCodeLength, kErrorCodeLength), CodeLetters::EitherCase))
        found.push_back({FoundReading::Kind::Error, line.substr(start, end - start), {}, *code});
}

// `digits` digits from `i`, as a number; false where they are not all there.
bool Number(std::string_view line, std::size_t i, std::size_t digits, int& value)
{
    value = 0;
    for (std::size_t k = 0; k < digits; ++k) {
        if (!IsDigit(line, i + k))
            return false;
        value = value * 10 + (line[i + k] - '0');
    }
    return true;
}

// Days from 2000-01-01 to a date of the Gregorian calendar.
long DaysFrom2000(int year, int month, int day)
{
    year -= month <= 2;
    const long era = year / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 730425;
}

// "HH:MM:SS" and a fraction after '.' or ',' at `i`: where it ends, or 0.
std::size_t ClockAt(std::string_view line, std::size_t i, double& seconds)
{
    int hours = 0;
    int minutes = 0;
    int whole = 0;
    if (!Number(line, i, 2, hours) || i + 2 >= line.size() || line[i + 2] != ':' || !Number(line, i + 3, 2, minutes)
        || i + 5 >= line.size() || line[i + 5] != ':' || !Number(line, i + 6, 2, whole) || hours > 23 || minutes > 59
        || whole > 60)
        return 0;
    std::size_t end = i + 8;
    double fraction = 0;
    if (end + 1 < line.size() && (line[end] == '.' || line[end] == ',') && IsDigit(line, end + 1)) {
        double scale = 0.1;
        for (++end; IsDigit(line, end); ++end, scale /= 10)
            fraction += (line[end] - '0') * scale;
    }
    seconds = hours * 3600.0 + minutes * 60.0 + whole + fraction;
    return IsDigit(line, end) ? 0 : end;
}

} // namespace

void FindReadings(std::string_view line, bool anyPairs, std::vector<FoundReading>& found)
{
    std::size_t i = 0;
    while (i < line.size()) {
        if (!StartsAWord(line, i)) {
            ++i;
            continue;
        }
        if (const std::size_t end = CodeAt(line, i, true)) {
            AddCode(line, i, end, found);
            i = end;
            continue;
        }
        if (const std::size_t word = ErrorWordAt(line, i)) {
            std::size_t after = word;
            while (after < line.size() && (IsBlank(line[after]) || line[after] == ':' || line[after] == '=' || line[after] == '#'))
                ++after;
            if (after > word) {
                if (const std::size_t end = CodeAt(line, after, false)) {
                    AddCode(line, after, end, found);
                    i = end;
                    continue;
                }
            }
            i = word;
            continue;
        }
        if (IsHex(line, i)) {
            const Run run = RunAt(line, i);
            if (run.sixPairs) {
                const std::string_view text = line.substr(i, run.end - i);
                if (const auto read = ReadStatusLine(text)) {
                    const bool registerReading = [&] {
                        for (const unsigned byte : read->bytes) {
                            if ((byte & kAlwaysSetValue) == 0)
                                return false;
                        }
                        return true;
                    }();
                    if (anyPairs || registerReading)
                        found.push_back({FoundReading::Kind::Status, text, read->bytes, {}});
                }
            }
            i = run.end;
            continue;
        }
        ++i;
    }
}

LineTime TimeOf(std::string_view line)
{
    std::size_t start = 0;
    while (start < line.size() && IsBlank(line[start]))
        ++start;
    if (start < line.size() && line[start] == '[')
        ++start;
    int year = 0;
    int month = 0;
    int day = 0;
    double seconds = 0;
    std::size_t clock = start;
    bool dated = false;
    // 2026-12-09 or 2026-12-09T before the clock; 09.12.2026 likewise.
    if (Number(line, start, 4, year) && start + 10 < line.size() && line[start + 4] == '-' && Number(line, start + 5, 2, month)
        && line[start + 7] == '-' && Number(line, start + 8, 2, day) && (line[start + 10] == ' ' || line[start + 10] == 'T')) {
        clock = start + 11;
        dated = true;
    } else if (Number(line, start, 2, day) && start + 10 < line.size() && line[start + 2] == '.' && Number(line, start + 3, 2, month)
               && line[start + 5] == '.' && Number(line, start + 6, 4, year) && line[start + 10] == ' ') {
        clock = start + 11;
        dated = true;
    }
    const std::size_t end = ClockAt(line, clock, seconds);
    if (end == 0 || (dated && (month < 1 || month > 12 || day < 1 || day > 31)))
        return {};
    if (dated)
        seconds += static_cast<double>(DaysFrom2000(year, month, day)) * 86400.0;
    return {line.substr(start, end - start), seconds, dated};
}
