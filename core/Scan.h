#pragma once

#include "core/ErrorCodes.h"
#include "core/FunctionRef.h"
#include "core/LogTime.h"
#include "core/Reading.h"
#include "core/StatusLine.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A driver's or cash program's log read as it is: the status lines and
// error codes each line holds, wherever they stand in it, and the time the
// line was written. A false reading is worse than a missed one, and one
// that almost is a reading is named.
//
// A status line is six hexadecimal pairs in one of the forms a paste takes,
// standing apart from other text: not part of a longer run or frame, not a
// piece of a longer token (hexadecimal groups joined on by '-', ':' or '.',
// as in a UUID, a hash or an IPv6 address), not the value of an address
// key (mac, hwaddr, ether, bssid, addr, address); and with bit 7 set in all
// six bytes, as every register reading has it (`anyPairs` drops that test).
// After a status word (status, state, ST, статус, состояние, in any case and
// inside an identifier) the value is read as regalo-decode status reads it;
// one that has the shape of a status line but cannot be read is unreadable.
//
// An error code is four hexadecimal digits written 0x0501, or after a word
// that says error, alone or inside an identifier (error, err, ERR-,
// ErrorCode, lastError, err_code, errcode, ошибка, Ошибка №, код ошибки),
// with at most two words between: "code", "no", "номер" or one naming the
// device (ККМ, ФР, KKT). A bare "code" is not enough, nor a count
// ("errorCount", "errors"). Four characters there that are digits once
// look-alike letters are counted are unreadable.

struct FoundReading {
    enum class Kind : std::uint8_t { Status, Error, Unreadable };
    Kind kind;
    std::string_view text; // as the line writes it (a code with its 0x)
    StatusBytes bytes{};   // a status line's
    ErrorCode code{};      // an error code's
    // An unreadable value: taken for a status line (else a code), and why
    // it cannot be read, as regalo-decode says it.
    bool statusLike = false;
    InputProblem problem{};
};

// The reading's kind as the formats and the page name it.
inline const char* ReadingKindName(FoundReading::Kind kind)
{
    switch (kind) {
    case FoundReading::Kind::Status:
        return "status";
    case FoundReading::Kind::Error:
        return "error";
    case FoundReading::Kind::Unreadable:
        break;
    }
    return "unreadable";
}

// The readings a whole line holds, in the order they stand in it.
void FindReadings(std::string_view line, bool anyPairs, std::vector<FoundReading>& found);

// How a log is read: `changesOnly` keeps only the status lines that differ
// from the one before (every code and unreadable value stays); `since` and
// `until` keep the readings in that span, a reading without a time of its
// own taking the last time before it.
struct ScanChoices {
    bool anyPairs = false;
    bool changesOnly = false;
    std::optional<LogTime> since;
    std::optional<LogTime> until;
};

// One reading of a log, as the scan writes it.
struct ScanRecord {
    std::string_view file; // named where the reader names it
    std::uint64_t line;
    LogTime time; // the line's own; none where it has none
    // The same placed in the log: a clock alone with the date of the log's
    // last dated line (the next day past midnight); none where the line has none.
    LogTime placed;
    FoundReading reading;
    // The status line before, for a status line after the first.
    std::optional<StatusBytes> previous;
};

// A log, line by line: each reading found, with the status line before it.
// Memory stays bounded however much one line holds: a line is read in
// windows, and one handed over in pieces is read whole.
class LogScan {
public:
    explicit LogScan(ScanChoices choices = {}) : choices_(std::move(choices)) {}

    using Emit = FunctionRef<void(const ScanRecord&)>;
    // A line, or a piece of one where `continues` says more of the same
    // line follows (the same `number` with each piece).
    void Line(std::string_view text, std::uint64_t number, bool continues, Emit emit);
    // Records emitted so far.
    std::uint64_t Count() const { return count_; }

private:
    void Window(std::string_view text, std::size_t from, std::size_t cutoff, bool final, std::size_t& resume, Emit emit);
    void Emitted(const FoundReading& reading, Emit emit);
    // The line's time where a clock alone takes the date of the log's last
    // dated line, for --since and --until.
    LogTime Placed(const LogTime& time);
    bool InSpan();

    ScanChoices choices_;
    std::optional<StatusBytes> previous_;
    std::vector<FoundReading> found_;
    std::uint64_t count_ = 0;
    // The line being read, where it comes in pieces.
    std::uint64_t lineNumber_ = 0;
    bool inLine_ = false;
    std::string carry_;
    std::size_t carryFrom_ = 0;
    bool carryAttached_ = false;
    LogTime lineTime_;
    LogTime linePlaced_;
    std::string lineTimeText_; // lineTime_.text's own copy, once the piece it lies in is gone
    // What the log's dated lines say, for the lines that have a clock alone.
    int year_ = 0;
    std::optional<std::int64_t> midnight_;
    bool dateKnown_ = false;
    std::int64_t lastPlaced_ = 0;
    std::optional<LogTime> lastTime_;
};
