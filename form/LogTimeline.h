#pragma once

#include "core/ErrorCodes.h"
#include "core/Scan.h"
#include "core/StatusLine.h"
#include "core/TextLines.h"
#include "core/Translatable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A log read into a timeline, as the page shows it: every reading the scan
// finds, kept small whatever the log's size; a filter; the rows of a table
// a screenful at a time; and a chart of the flags that changed and the
// error codes, over time.
class LogTimeline {
public:
    // A log, from its first byte; the pieces as they come, then the end.
    void Start();
    void Feed(std::string_view piece);
    void End();

    std::size_t Found() const { return readings_.size(); }

    // Every reading; or the status readings where one flag (numbered as
    // the catalogue's, byte * 8 + bit) changed, and the first if it is set
    // there; or the readings of one error code (detail * 256 + class).
    enum class Filter { All = 0, Flag = 1, Code = 2 };
    void Show(Filter filter, int value);
    std::size_t Shown() const { return filter_ == Filter::All ? readings_.size() : shown_.size(); }

    // What the filter may choose, as JSON: {"codes":[{"code":n,"text":"0501"}],
    // "flags":[{"caption":…,"flag":n}]}: the codes as first seen, the flags
    // that changed during the log in catalogue order.
    std::string ChoicesJson(TextTranslation translate) const;

    // Shown readings [from, from + count) as JSON: {"shown":n,"rows":[{"line":…,
    // "time":…,"kind":"status"|"error"|"unreadable","value":…,"words":…}]};
    // a first status reading in full, the others what changed, a code its
    // message, a value that cannot be read as the log has it and why.
    std::string RowsJson(std::size_t from, std::size_t count, TextTranslation translate) const;

    // The chart across `columns`: {"axis":"time"|"line","from":…,"to":…,
    // "codes":[{"code":"0501","count":n,"columns":[c,…]}],"rows":[{"caption":…,"flag":n,
    // "spans":[[first,last],…]}]}; a span the columns where the flag was set,
    // a code's columns those it came in, its count how often it came.
    std::string ChartJson(int columns, TextTranslation translate) const;

private:
    struct Reading {
        std::uint64_t line;
        // Its line's time, as LogTime has it, without the text.
        std::int64_t ms;
        std::int16_t offsetMinutes;
        LogTime::Zone zone;
        bool timed : 1;
        bool dated : 1;
        bool fraction : 1;
        FoundReading::Kind kind;
        std::uint8_t bytes[kStatusByteCount]; // a status reading's
        ErrorCode code;                      // an error code's
        std::int64_t previous;               // the status reading before, or -1; an unreadable value's in unreadables_
    };
    struct Unreadable {
        std::string text;
        InputProblem problem;
    };

    StatusBytes BytesOf(const Reading& reading) const;
    // Its time without the text as written, and in the one form.
    static LogTime TimeOf(const Reading& reading);
    static std::string TimeTextOf(const Reading& reading);
    const Reading& ShownReading(std::size_t index) const;
    // Each reading's place across the chart, from 0 to 1: by time where
    // the log is timed, else by line; and the first and last timed reading.
    struct Axis {
        bool byTime = false;
        std::vector<double> places;
        std::size_t first = 0;
        std::size_t last = 0;
        std::int64_t firstMs = 0; // as placed: a clock with its date
        std::int64_t lastMs = 0;
    };
    Axis Places() const;

    TextLines lines_{1 << 20, true, true};
    LogScan scan_;
    std::vector<Reading> readings_;
    std::vector<Unreadable> unreadables_;
    std::int64_t lastStatus_ = -1;
    unsigned changedFlags_[kStatusByteCount] = {};
    Filter filter_ = Filter::All;
    int filterValue_ = 0;
    std::vector<std::uint32_t> shown_;
};
