#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The time a log's line was written, in whichever of the forms drivers,
// service tools and system loggers write it, and the one form this program
// writes it in: "2026-12-09 10:00:01.250+03:00", or "10:00:01" for a clock
// without a date.
struct LogTime {
    enum class Zone : std::uint8_t { None, Utc, Offset };

    // Milliseconds from 2000-01-01 00:00 where the time has a date, from
    // midnight where it has none; by the clock as written (its zone kept
    // apart, not applied).
    std::int64_t ms = 0;
    std::int16_t offsetMinutes = 0; // east of UTC, for Zone::Offset
    Zone zone = Zone::None;
    bool dated = false;
    bool fraction = false; // written with a fraction of a second
    bool known = false;    // false: no time
    std::string_view text; // as the log wrote it, where it is still at hand

    bool Known() const { return known; }
};

inline constexpr std::int64_t kMsPerDay = 86400000;

// The time of a line: at its start, after blanks, a syslog priority "<134>",
// a level word ("INFO", "[E]") and a "[":
//   2026-12-09 10:00:01   2026-12-09T10:00:01.250Z   2026-12-09 10:00:01,250+03:00
//   2026/12/09 10:00:01   09.12.2026 10:00:01   09.12.26 10:00   09-12-2026 10:00:01
//   12/09/2026 10:05 AM   Dec  9 10:00:07   1765274401   1765274401250   10:00:01.250
// or in a JSON line, the field "ts", "time", "timestamp", "@timestamp" or
// "datetime". A syslog date has no year: `year` gives it (the year of the
// log's dated lines), 0 where none is known, and it is read as a clock.
LogTime TimeOfLine(std::string_view line, int year);

// A time given whole, as `scan --since` takes it: any of those forms, or a
// date alone (its midnight).
std::optional<LogTime> ReadTime(std::string_view text);

// The year and the midnight of a dated time.
int YearOf(const LogTime& time);
std::int64_t MidnightOf(const LogTime& time);

// "YYYY-MM-DD HH:MM:SS[.fff][Z|±HH:MM]", a clock alone "HH:MM:SS[.fff]".
void AppendTime(std::string& out, const LogTime& time);
std::string TimeText(const LogTime& time);

// A span of time as "H:MM:SS".
void AppendDuration(std::string& out, std::int64_t ms);

// Where `time` stands against `bound` (negative before, 0 at, positive
// after). A clock alone is compared by the clock where either has no date;
// zones are applied where both have one.
int CompareTimes(const LogTime& time, const LogTime& bound);
