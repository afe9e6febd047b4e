#pragma once

#include "core/Scan.h"
#include "core/TextLines.h"

#include <string_view>

// A log's text as it comes, a piece of any size at a time, read into its
// records: the lines (TextLines: any encoding, line end and length) scanned
// by the log's rules (LogScan).
class LogFeed {
public:
    explicit LogFeed(ScanChoices choices = {}) : scan_(std::move(choices)) {}

    // A piece, then an empty one at the end of the text: each record found
    // goes to `emit` as its line is whole.
    void Feed(std::string_view piece, LogScan::Emit emit);
    std::uint64_t Count() const { return scan_.Count(); }

private:
    TextLines lines_{1 << 20, true, true};
    LogScan scan_;
};
