#pragma once

#include "core/ErrorCodes.h"
#include "core/LogFeed.h"
#include "core/LogSummary.h"
#include "core/Scan.h"
#include "core/StatusFlagCatalogue.h"
#include "core/StatusLine.h"
#include "core/TextLines.h"
#include "core/Translatable.h"
#include "form/LogChart.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A log read into a timeline, as the page and the window show it: every
// reading the scan finds, kept small whatever the log's size; its summary,
// growing as the log is read; a filter and "changes only"; the rows of a
// table a screenful at a time; and a chart over time. Each face draws what
// this gives; none holds a rule of its own.
class LogTimeline {
public:
    // A log, from its first byte; the pieces as they come, then the end.
    void Start();
    void Feed(std::string_view piece);
    void End();

    std::size_t Found() const { return readings_.size(); }
    const LogSummary& Summary() const { return summary_; }

    // Every reading; or the status readings where one flag (numbered as the
    // catalogue's, byte * 8 + bit) changed, and the first if it is set
    // there; or the readings of one error code (detail * 256 + class).
    // `changesOnly` hides a status reading that repeats the one before;
    // codes and values that cannot be read always stand.
    enum class Filter { All = 0, Flag = 1, Code = 2 };
    // The value that chooses a flag's or a code's readings.
    static int FilterValue(const StatusFlag& flag) { return flag.byteIndex * kBitsPerByte + flag.bit; }
    static int FilterValue(const ErrorCode& code) { return code.detail * 256 + code.errorClass; }
    void Show(Filter filter, int value, bool changesOnly);
    std::size_t Shown() const { return showAll_ ? readings_.size() : shown_.size(); }

    // What the filter may choose: the codes as first seen, the flags that
    // changed during the log in catalogue order, each with its filter's
    // value and its name.
    struct Choice {
        Filter filter;
        int value;
        std::string name;
    };
    std::vector<Choice> Choices(TextTranslation translate) const;

    // A shown reading: its line, its time in the one form, the value, and
    // in words a first status line in full, a later one what changed, a
    // code its description, a value that cannot be read why.
    struct Row {
        std::uint64_t line;
        std::string time;
        FoundReading::Kind kind;
        std::string value;
        std::string words;
    };
    Row RowAt(std::size_t shown, TextTranslation translate) const;

    // The chart across `width` columns (a column a pixel, where drawn).
    LogChart Chart(int width, TextTranslation translate) const;

private:
    struct Reading {
        std::uint64_t line;
        // Its line's time, as LogTime has it without the text, and as placed in the log.
        std::int64_t ms;
        std::int64_t placedMs;
        std::int16_t offsetMinutes;
        LogTime::Zone zone;
        bool timed : 1;
        bool dated : 1;
        bool fraction : 1;
        bool repeats : 1; // a status line the same as the one before
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
    const Reading& ShownReading(std::size_t index) const;
    // Whether the filter shows a reading, with the one before it.
    bool Takes(const Reading& reading) const;
    // Each reading's place across the chart, from 0 to 1: by time where the
    // log is timed (a reading without a time between its timed neighbours,
    // by line), else by line.
    std::vector<double> Places(bool& byTime) const;

    LogFeed feed_;
    LogSummary summary_;
    std::vector<Reading> readings_;
    std::vector<Unreadable> unreadables_;
    std::int64_t lastStatus_ = -1;
    unsigned changedFlags_[kStatusByteCount] = {};
    Filter filter_ = Filter::All;
    int filterValue_ = 0;
    bool changesOnly_ = false;
    bool showAll_ = true; // shown_ unused
    std::vector<std::uint32_t> shown_;
};
