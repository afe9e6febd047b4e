#pragma once

#include "core/ErrorCodes.h"
#include "core/StatusLine.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A driver's or cash program's log read as it is: the status lines and
// error codes each line holds, wherever they stand in it, and the time the
// line starts with.
//
// A status line is six hexadecimal pairs in one of the forms a paste takes,
// standing apart from other hexadecimal text (not part of a longer run, not
// a seven-pair frame), with bit 7 set in all six bytes as every register
// reading has it, so that a MAC address or a hash is not taken; `anyPairs`
// drops that test. An error code is four hexadecimal digits written 0x0501,
// or after a word that says error (error, err, ошибка, код ошибки, code, in
// any case) and blanks, ':', '=' or '#'.

struct FoundReading {
    enum class Kind { Status, Error };
    Kind kind;
    std::string_view text; // as the line writes it
    StatusBytes bytes{};   // a status line's
    ErrorCode code{};      // an error code's
};

// The readings a line holds, in the order they stand in it.
void FindReadings(std::string_view line, bool anyPairs, std::vector<FoundReading>& found);

// The time a line starts with: "2026-12-09 10:00:01", "2026-12-09T10:00:01.250",
// "09.12.2026 10:00:01", "10:00:01"; and the seconds it stands for, from
// 2000-01-01 where it has a date, from midnight where it has none.
struct LineTime {
    std::string_view text; // empty for none
    double seconds = 0;
    bool dated = false;
};
LineTime TimeOf(std::string_view line);

// One reading of a log, as the scan writes it.
struct ScanRecord {
    std::string_view file; // named where the reader names it
    std::uint64_t line;
    LineTime time;
    FoundReading reading;
    // The status line before, for a status line after the first.
    std::optional<StatusBytes> previous;
};

// A log, line by line: each reading found, with the status line before it;
// `changesOnly` keeps only status lines that differ from the one before,
// and every code.
class LogScan {
public:
    LogScan(bool anyPairs, bool changesOnly) : anyPairs_(anyPairs), changesOnly_(changesOnly) {}

    // `cut`: the line was cut at the longest a line may be, and ends at its
    // last blank instead: a reading cut in two is not one.
    template <class Emit>
    void Line(std::string_view text, std::uint64_t number, bool cut, Emit emit)
    {
        if (cut) {
            const std::size_t blank = text.find_last_of(" \t");
            text = blank == std::string_view::npos ? std::string_view() : text.substr(0, blank);
        }
        found_.clear();
        FindReadings(text, anyPairs_, found_);
        if (found_.empty())
            return;
        const LineTime time = TimeOf(text);
        for (const FoundReading& reading : found_) {
            ScanRecord record{{}, number, time, reading, std::nullopt};
            if (reading.kind == FoundReading::Kind::Status) {
                record.previous = previous_;
                previous_ = reading.bytes;
                if (changesOnly_ && record.previous && *record.previous == reading.bytes)
                    continue;
            }
            ++count_;
            emit(record);
        }
    }
    std::uint64_t Count() const { return count_; }

private:
    bool anyPairs_;
    bool changesOnly_;
    std::optional<StatusBytes> previous_;
    std::vector<FoundReading> found_;
    std::uint64_t count_ = 0;
};
