#include "core/LogSummary.h"

namespace {

// A time kept: its text as written stays with the line it came from.
LogTime Kept(const LogTime& time)
{
    LogTime kept = time;
    kept.text = {};
    return kept;
}

// The time to compare and add: UTC where the log gives a zone.
std::int64_t Instant(const LogTime& time)
{
    return time.ms - (time.zone == LogTime::Zone::Offset ? time.offsetMinutes * 60000LL : 0);
}

} // namespace

void LogSummary::Add(const ScanRecord& record)
{
    // A reading without a time of its own takes the last time before it.
    const std::optional<LogTime> time = record.placed.Known() ? std::optional(Kept(record.placed)) : last_;
    if (record.placed.Known()) {
        if (!first_)
            first_ = time;
        last_ = time;
    }
    switch (record.reading.kind) {
    case FoundReading::Kind::Unreadable:
        ++unreadable_;
        return;
    case FoundReading::Kind::Error: {
        ++codes_;
        if (seenAt_.empty())
            seenAt_.assign(0x10000, -1);
        const ErrorCode code = record.reading.code;
        std::int32_t& at = seenAt_[static_cast<std::size_t>(code.detail * 256 + code.errorClass)];
        if (at < 0) {
            at = static_cast<std::int32_t>(seen_.size());
            seen_.push_back({code, 0, time, time});
        }
        CodeSeen& seen = seen_[static_cast<std::size_t>(at)];
        ++seen.count;
        if (!seen.first)
            seen.first = time;
        if (time)
            seen.last = time;
        return;
    }
    case FoundReading::Kind::Status:
        break;
    }
    ++statusLines_;
    const StatusBytes& bytes = record.reading.bytes;
    ++states_[static_cast<std::size_t>(ReceiptStateOf(bytes[kReceiptStateByte]))];
    // A polled log repeats its status line: nothing of the flags changes then.
    const bool repeated = record.previous && *record.previous == bytes && lastBytes_ == bytes;
    lastBytes_ = bytes;
    if (repeated)
        return;
    for (const StatusFlag& flag : StatusFlagCatalogue) {
        FlagState& state = flags_[static_cast<std::size_t>(flag.byteIndex * kBitsPerByte + flag.bit)];
        state.changes.flag = &flag;
        const bool on = (bytes[static_cast<std::size_t>(flag.byteIndex)] & flag.Value()) != 0;
        const bool was = record.previous && ((*record.previous)[static_cast<std::size_t>(flag.byteIndex)] & flag.Value()) != 0;
        if (on && !state.changes.firstSet)
            state.changes.firstSet = time;
        if (record.previous && on != was) {
            state.changed = true;
            ++(on ? state.changes.set : state.changes.cleared);
            if (!on && time)
                state.changes.lastCleared = time;
        }
        // How long it stood set: from where it was first seen set to where it went off.
        if (on && !state.on && time)
            state.onSince = Instant(*time);
        if (!on && state.on && state.onSince && time)
            state.changes.msSet += Instant(*time) - *state.onSince;
        if (!on)
            state.onSince.reset();
        state.on = on;
    }
}

std::vector<LogSummary::FlagChanges> LogSummary::FlagsChanged() const
{
    std::vector<FlagChanges> changed;
    for (const FlagState& state : flags_) {
        if (!state.changed)
            continue;
        FlagChanges changes = state.changes;
        // Still set at the end: to the log's last time.
        if (state.on && state.onSince && last_)
            changes.msSet += Instant(*last_) - *state.onSince;
        changed.push_back(changes);
    }
    return changed;
}
