#include "core/LogTime.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

constexpr bool IsAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr bool IsAsciiLetterOrDigit(char c)
{
    return IsAsciiLetter(c) || (c >= '0' && c <= '9');
}

// A cursor over the text being read; every test is bounded by its end.
class Cursor {
public:
    Cursor(std::string_view text, std::size_t at) : text_(text), at_(at) {}

    std::size_t At() const { return at_; }
    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek(std::size_t ahead = 0) const { return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0'; }
    bool IsDigit(std::size_t ahead = 0) const { return Peek(ahead) >= '0' && Peek(ahead) <= '9'; }
    bool Take(char c)
    {
        if (Peek() != c)
            return false;
        ++at_;
        return true;
    }
    // Exactly `digits` digits, not one more.
    bool Number(std::size_t digits, int& value)
    {
        value = 0;
        for (std::size_t k = 0; k < digits; ++k) {
            if (!IsDigit(k))
                return false;
            value = value * 10 + (Peek(k) - '0');
        }
        if (IsDigit(digits))
            return false;
        at_ += digits;
        return true;
    }
    // One or two digits.
    bool ShortNumber(int& value)
    {
        return Number(2, value) || Number(1, value);
    }
    void SkipBlanks()
    {
        while (Peek() == ' ' || Peek() == '\t')
            ++at_;
    }

private:
    std::string_view text_;
    std::size_t at_;
};

std::int64_t DaysFrom2000(int year, int month, int day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 730425;
}

struct Date {
    int year;
    int month;
    int day;
};

Date DateOfDays(std::int64_t days)
{
    days += 730425;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    return {static_cast<int>(yearOfEra + era * 400 + (month <= 2)), month, day};
}

bool ValidDate(const Date& date)
{
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return date.year >= 1970 && date.year <= 2199 && date.month >= 1 && date.month <= 12 && date.day >= 1
           && date.day <= kDays[date.month - 1];
}

// "HH:MM:SS", or "HH:MM" where `minutesEnough`, and a fraction after '.' or
// ',': the milliseconds from midnight.
bool ReadClock(Cursor& at, bool minutesEnough, LogTime& time)
{
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (!at.ShortNumber(hours) || hours > 23 || !at.Take(':') || !at.Number(2, minutes) || minutes > 59)
        return false;
    if (at.Peek() == ':' && at.IsDigit(1)) {
        at.Take(':');
        if (!at.Number(2, seconds) || seconds > 60)
            return false;
        if ((at.Peek() == '.' || at.Peek() == ',') && at.IsDigit(1)) {
            at.Take(at.Peek());
            int ms = 0;
            int scale = 100;
            while (at.IsDigit()) {
                ms += (at.Peek() - '0') * scale;
                scale /= 10;
                at.Take(at.Peek());
            }
            time.ms += ms;
            time.fraction = true;
        }
    } else if (!minutesEnough) {
        return false;
    }
    time.ms += ((hours * 60LL + minutes) * 60 + seconds) * 1000;
    return true;
}

// " AM" or " PM" after a clock of 1-12 hours.
bool ReadMeridiem(Cursor& at, LogTime& time)
{
    Cursor ahead = at;
    ahead.SkipBlanks();
    const char first = static_cast<char>(ahead.Peek() & ~0x20);
    if ((first != 'A' && first != 'P') || (ahead.Peek(1) & ~0x20) != 'M' || IsAsciiLetterOrDigit(ahead.Peek(2)))
        return false;
    const std::int64_t hours = time.ms / 3600000;
    if (hours < 1 || hours > 12)
        return false;
    time.ms += ((hours % 12) + (first == 'P' ? 12 : 0) - hours) * 3600000;
    ahead.Take(ahead.Peek());
    ahead.Take(ahead.Peek());
    at = ahead;
    return true;
}

// "Z", "+03:00", "+0300" or "+03" after a dated clock.
void ReadZone(Cursor& at, LogTime& time)
{
    if (at.Peek() == 'Z' && !IsAsciiLetterOrDigit(at.Peek(1))) {
        at.Take('Z');
        time.zone = LogTime::Zone::Utc;
        return;
    }
    if (at.Peek() != '+' && at.Peek() != '-')
        return;
    Cursor ahead = at;
    const int sign = ahead.Peek() == '-' ? -1 : 1;
    ahead.Take(ahead.Peek());
    int hours = 0;
    int minutes = 0;
    if (ahead.IsDigit(0) && ahead.IsDigit(1) && ahead.IsDigit(2) && ahead.IsDigit(3) && !ahead.IsDigit(4)) {
        ahead.Number(4, hours);
        minutes = hours % 100;
        hours /= 100;
    } else if (!ahead.Number(2, hours) || (ahead.Take(':') && !ahead.Number(2, minutes))) {
        return;
    }
    if (hours > 14 || minutes > 59)
        return;
    at = ahead;
    time.zone = LogTime::Zone::Offset;
    time.offsetMinutes = static_cast<std::int16_t>(sign * (hours * 60 + minutes));
}

constexpr std::array<std::string_view, 12> kMonths = {"jan", "feb", "mar", "apr", "may", "jun",
                                                       "jul", "aug", "sep", "oct", "nov", "dec"};

int MonthNamed(Cursor& at)
{
    char name[3];
    for (std::size_t k = 0; k < 3; ++k)
        name[k] = static_cast<char>(at.Peek(k) | 0x20);
    if (IsAsciiLetter(at.Peek(3)))
        return 0;
    for (std::size_t month = 0; month < kMonths.size(); ++month) {
        if (std::string_view(name, 3) == kMonths[month]) {
            for (int k = 0; k < 3; ++k)
                at.Take(at.Peek());
            return static_cast<int>(month) + 1;
        }
    }
    return 0;
}

// A date and the clock after it, in one of the forms logs write; the
// date's days are added once the whole is read.
bool ReadDated(Cursor& at, int year, LogTime& time)
{
    Cursor start = at;
    Date date{};
    bool meridiem = false;
    bool syslog = false;
    char between = ' ';
    // 2026-12-09, 2026/12/09
    if (start.Number(4, date.year) && (start.Peek() == '-' || start.Peek() == '/')) {
        const char mark = start.Peek();
        start.Take(mark);
        if (!start.Number(2, date.month) || !start.Take(mark) || !start.Number(2, date.day))
            return false;
        if (mark == '-' && start.Peek() == 'T')
            between = 'T';
    } else if (start = at; start.ShortNumber(date.day) && (start.Peek() == '.' || start.Peek() == '-')) {
        // 09.12.2026, 09.12.26, 09-12-2026
        const char mark = start.Peek();
        start.Take(mark);
        if (!start.Number(2, date.month) || !start.Take(mark))
            return false;
        if (!start.Number(4, date.year)) {
            if (mark != '.' || !start.Number(2, date.year))
                return false;
            date.year += 2000;
        }
    } else if (start = at; start.ShortNumber(date.month) && start.Take('/')) {
        // 12/09/2026, with AM or PM after the clock
        if (!start.ShortNumber(date.day) || !start.Take('/') || !start.Number(4, date.year))
            return false;
        meridiem = true;
    } else if (start = at; (date.month = MonthNamed(start)) != 0) {
        // Dec  9 10:00:07
        start.SkipBlanks();
        if (!start.ShortNumber(date.day))
            return false;
        date.year = year;
        syslog = true;
    } else {
        return false;
    }
    if (between == 'T')
        start.Take('T');
    else if (start.Peek() != ' ' && start.Peek() != '\t')
        return false;
    start.SkipBlanks();
    LogTime read;
    if (!ReadClock(start, true, read) || (meridiem && !ReadMeridiem(start, read)))
        return false;
    if (syslog && year == 0) {
        // No year to give it: a clock, as a clock alone is read.
        if (!ValidDate({2000, date.month, date.day}))
            return false;
        time = read;
        at = start;
        return true;
    }
    if (!ValidDate(date))
        return false;
    read.dated = true;
    read.ms += DaysFrom2000(date.year, date.month, date.day) * kMsPerDay;
    if (!syslog && !meridiem)
        ReadZone(start, read);
    time = read;
    at = start;
    return true;
}

// Seconds or milliseconds since 1970 (UTC): ten or thirteen digits.
bool ReadEpoch(Cursor& at, LogTime& time)
{
    std::size_t digits = 0;
    while (at.IsDigit(digits))
        ++digits;
    if (digits != 10 && digits != 13)
        return false;
    std::int64_t value = 0;
    for (std::size_t k = 0; k < digits; ++k)
        value = value * 10 + (at.Peek(k) - '0');
    Cursor after = at;
    for (std::size_t k = 0; k < digits; ++k)
        after.Take(after.Peek());
    std::int64_t ms = digits == 13 ? value : value * 1000;
    bool fraction = digits == 13;
    if (digits == 10 && after.Peek() == '.' && after.IsDigit(1)) {
        after.Take('.');
        int scale = 100;
        while (after.IsDigit()) {
            ms += (after.Peek() - '0') * scale;
            scale /= 10;
            after.Take(after.Peek());
        }
        fraction = true;
    }
    // From 2001 (ten digits) on: smaller numbers are counts, not times.
    constexpr std::int64_t k1970To2000 = 946684800000;
    if (ms < 1000000000000LL || IsAsciiLetterOrDigit(after.Peek()))
        return false;
    time.ms = ms - k1970To2000;
    time.dated = true;
    time.fraction = fraction;
    time.zone = LogTime::Zone::Utc;
    at = after;
    return true;
}

// A time from `start`: dated, epoch, or a clock alone; it must end there,
// not run on into digits or letters.
LogTime TimeAt(std::string_view text, std::size_t start, int year, bool wholeText)
{
    Cursor at(text, start);
    const bool bracketed = at.Take('[');
    LogTime time;
    const std::size_t from = at.At();
    // The digits it starts with, and what follows them, say which form may
    // stand here: most lines of a log are read with no more than that.
    std::size_t digits = 0;
    while (digits < 14 && at.IsDigit(digits))
        ++digits;
    const char next = at.Peek(digits);
    bool read = false;
    if (digits == 0)
        read = IsAsciiLetter(next) && IsAsciiLetter(at.Peek(1)) && IsAsciiLetter(at.Peek(2)) && !IsAsciiLetter(at.Peek(3))
               && ReadDated(at, year, time);
    else if ((digits == 4 && (next == '-' || next == '/')) || (digits <= 2 && (next == '.' || next == '-' || next == '/')))
        read = ReadDated(at, year, time);
    else if (digits <= 2 && next == ':')
        read = ReadClock(at, false, time);
    else if (digits == 10 || digits == 13)
        read = ReadEpoch(at, time);
    if (!read)
        return {};
    const char after = at.Peek();
    if (IsAsciiLetterOrDigit(after) || (wholeText && !at.AtEnd() && !(bracketed && after == ']')))
        return {};
    time.text = text.substr(from, at.At() - from);
    time.known = true;
    return time;
}

// A level word before the time: "INFO", "[WARN]", "E".
std::size_t AfterLevelWord(std::string_view line, std::size_t at)
{
    constexpr std::string_view kLevels[] = {"trace", "debug", "info", "notice", "warn", "warning", "error", "err", "crit",
                                            "fatal", "t", "d", "i", "w", "e", "f", "v"};
    const bool bracketed = at < line.size() && line[at] == '[';
    std::size_t end = at + (bracketed ? 1 : 0);
    const std::size_t letters = end;
    char word[8];
    while (end < line.size() && IsAsciiLetter(line[end]) && end - letters < sizeof word) {
        word[end - letters] = static_cast<char>(line[end] | 0x20);
        ++end;
    }
    if (end == letters || (end < line.size() && IsAsciiLetter(line[end])))
        return std::string_view::npos;
    const std::string_view level(word, end - letters);
    if (bracketed && (end >= line.size() || line[end++] != ']'))
        return std::string_view::npos;
    if (end >= line.size() || (line[end] != ' ' && line[end] != '\t'))
        return std::string_view::npos;
    if (std::find(std::begin(kLevels), std::end(kLevels), level) == std::end(kLevels))
        return std::string_view::npos;
    while (end < line.size() && (line[end] == ' ' || line[end] == '\t'))
        ++end;
    return end;
}

// A JSON line's time field: its string read as a line's time, or its number
// as seconds or milliseconds since 1970.
LogTime JsonTime(std::string_view line, int year)
{
    for (const std::string_view key : {"\"ts\"", "\"time\"", "\"timestamp\"", "\"@timestamp\"", "\"datetime\""}) {
        std::size_t at = line.find(key);
        if (at == std::string_view::npos)
            continue;
        at += key.size();
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
        if (at >= line.size() || line[at] != ':')
            continue;
        ++at;
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
        const bool quoted = at < line.size() && line[at] == '"';
        std::size_t end = at + (quoted ? 1 : 0);
        while (end < line.size() && (quoted ? line[end] != '"' : (line[end] != ',' && line[end] != '}')))
            ++end;
        if (quoted && end >= line.size())
            continue;
        const std::string_view value = line.substr(at + (quoted ? 1 : 0), end - at - (quoted ? 1 : 0));
        LogTime time = TimeAt(value, 0, year, true);
        if (time.Known())
            return time;
    }
    return {};
}

void AppendDigits(std::string& out, std::int64_t value, int width)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, width - (end - digits))), '0');
    out.append(digits, end);
}

} // namespace

LogTime TimeOfLine(std::string_view line, int year)
{
    std::size_t at = 0;
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
        ++at;
    if (at < line.size() && line[at] == '{')
        return JsonTime(line, year);
    // A syslog priority.
    if (at < line.size() && line[at] == '<') {
        std::size_t end = at + 1;
        while (end < line.size() && end - at <= 3 && line[end] >= '0' && line[end] <= '9')
            ++end;
        if (end > at + 1 && end < line.size() && line[end] == '>')
            at = end + 1;
    }
    LogTime time = TimeAt(line, at, year, false);
    if (time.Known())
        return time;
    const std::size_t after = AfterLevelWord(line, at);
    return after == std::string_view::npos ? LogTime{} : TimeAt(line, after, year, false);
}

std::optional<LogTime> ReadTime(std::string_view text)
{
    LogTime time = TimeAt(text, 0, 0, true);
    if (time.Known())
        return time;
    // A date alone: its midnight.
    Cursor at(text, 0);
    int year = 0;
    int month = 0;
    int day = 0;
    if (at.Number(4, year) && at.Take('-') && at.Number(2, month) && at.Take('-') && at.Number(2, day) && at.AtEnd()
        && ValidDate({year, month, day})) {
        time.ms = DaysFrom2000(year, month, day) * kMsPerDay;
        time.dated = true;
        time.known = true;
        time.text = text;
        return time;
    }
    return std::nullopt;
}

std::int64_t MidnightOf(const LogTime& time)
{
    const std::int64_t days = time.ms >= 0 ? time.ms / kMsPerDay : (time.ms - kMsPerDay + 1) / kMsPerDay;
    return days * kMsPerDay;
}

int YearOf(const LogTime& time)
{
    return DateOfDays(MidnightOf(time) / kMsPerDay).year;
}

void AppendTime(std::string& out, const LogTime& time)
{
    std::int64_t clock = time.ms;
    if (time.dated) {
        const std::int64_t midnight = MidnightOf(time);
        const Date date = DateOfDays(midnight / kMsPerDay);
        AppendDigits(out, date.year, 4);
        out += '-';
        AppendDigits(out, date.month, 2);
        out += '-';
        AppendDigits(out, date.day, 2);
        out += ' ';
        clock -= midnight;
    }
    AppendDigits(out, clock / 3600000, 2);
    out += ':';
    AppendDigits(out, clock / 60000 % 60, 2);
    out += ':';
    AppendDigits(out, clock / 1000 % 60, 2);
    if (time.fraction) {
        out += '.';
        AppendDigits(out, clock % 1000, 3);
    }
    if (!time.dated)
        return;
    if (time.zone == LogTime::Zone::Utc) {
        out += 'Z';
    } else if (time.zone == LogTime::Zone::Offset) {
        const int minutes = time.offsetMinutes < 0 ? -time.offsetMinutes : time.offsetMinutes;
        out += time.offsetMinutes < 0 ? '-' : '+';
        AppendDigits(out, minutes / 60, 2);
        out += ':';
        AppendDigits(out, minutes % 60, 2);
    }
}

std::string TimeText(const LogTime& time)
{
    std::string text;
    if (time.Known())
        AppendTime(text, time);
    return text;
}

void AppendDuration(std::string& out, std::int64_t ms)
{
    const std::int64_t seconds = std::max<std::int64_t>(ms, 0) / 1000;
    AppendDigits(out, seconds / 3600, 1);
    out += ':';
    AppendDigits(out, seconds / 60 % 60, 2);
    out += ':';
    AppendDigits(out, seconds % 60, 2);
}

int CompareTimes(const LogTime& time, const LogTime& bound)
{
    std::int64_t a = time.ms;
    std::int64_t b = bound.ms;
    if (!time.dated || !bound.dated) {
        // By the clock: a clock alone may stand on a later day of its log.
        a -= MidnightOf(time);
        b -= MidnightOf(bound);
    } else if (time.zone != LogTime::Zone::None && bound.zone != LogTime::Zone::None) {
        a -= time.offsetMinutes * 60000LL;
        b -= bound.offsetMinutes * 60000LL;
    }
    return a < b ? -1 : a > b ? 1 : 0;
}
