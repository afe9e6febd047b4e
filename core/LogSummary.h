#pragma once

#include "core/ErrorCodes.h"
#include "core/LogTime.h"
#include "core/Scan.h"
#include "core/StatusFlagCatalogue.h"
#include "core/StatusLine.h"
#include "core/StatusRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// What a shift's log comes to, in a few numbers: which error codes came, how
// often, when first and last; which flags went on and off, how often and for
// how long; the receipt states it showed. Built record by record as a log
// is read, so that it grows while the log is read and is whole at its end;
// what it keeps does not grow with the log.
class LogSummary {
public:
    void Add(const ScanRecord& record);

    std::uint64_t Readings() const { return statusLines_ + codes_ + unreadable_; }
    std::uint64_t StatusLines() const { return statusLines_; }
    std::uint64_t Codes() const { return codes_; }
    std::uint64_t Unreadable() const { return unreadable_; }
    // The first and last time of the log, placed (a clock with its date).
    const std::optional<LogTime>& First() const { return first_; }
    const std::optional<LogTime>& Last() const { return last_; }

    struct CodeSeen {
        ErrorCode code;
        std::uint64_t count = 0;
        std::optional<LogTime> first;
        std::optional<LogTime> last;
    };
    // Each code in the order it first came.
    const std::vector<CodeSeen>& CodesSeen() const { return seen_; }

    struct FlagChanges {
        const StatusFlag* flag = nullptr;
        std::uint64_t set = 0;     // times it went on
        std::uint64_t cleared = 0; // and off
        std::optional<LogTime> firstSet;
        std::optional<LogTime> lastCleared;
        // How long it stood set, from the times the log gives: to its last
        // time where it is still set at the end.
        std::int64_t msSet = 0;
    };
    // Each flag that changed, in catalogue order.
    std::vector<FlagChanges> FlagsChanged() const;

    // How many status lines showed each receipt state.
    const std::array<std::uint64_t, kReceiptStateCount>& ReceiptStates() const { return states_; }

private:
    struct FlagState {
        FlagChanges changes;
        bool changed = false;
        bool on = false;
        std::optional<std::int64_t> onSince; // where times are known
    };

    std::uint64_t statusLines_ = 0;
    std::uint64_t codes_ = 0;
    std::uint64_t unreadable_ = 0;
    std::optional<LogTime> first_;
    std::optional<LogTime> last_;
    std::vector<CodeSeen> seen_;
    std::vector<std::int32_t> seenAt_; // by code, -1 until it came
    std::array<FlagState, kStatusByteCount * kBitsPerByte> flags_{};
    std::array<std::uint64_t, kReceiptStateCount> states_{};
    // The status line the flags' states stand at.
    std::optional<StatusBytes> lastBytes_;
};
