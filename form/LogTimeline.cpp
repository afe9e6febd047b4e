#include "form/LogTimeline.h"

#include "core/Explanation.h"
#include "core/StatusFlagCatalogue.h"

#include <algorithm>
#include <cstring>

void LogTimeline::Start()
{
    feed_ = LogFeed();
    summary_ = LogSummary();
    readings_.clear();
    readings_.shrink_to_fit();
    unreadables_.clear();
    lastStatus_ = -1;
    std::fill(std::begin(changedFlags_), std::end(changedFlags_), 0u);
    shown_.clear();
    Show(Filter::All, 0, changesOnly_);
}

void LogTimeline::Feed(std::string_view piece)
{
    const auto keep = [this](const ScanRecord& record) {
        summary_.Add(record);
        Reading reading{};
        reading.line = record.line;
        reading.ms = record.time.ms;
        reading.placedMs = record.placed.ms;
        reading.offsetMinutes = record.time.offsetMinutes;
        reading.zone = record.time.zone;
        reading.timed = record.time.Known();
        reading.dated = record.time.dated;
        reading.fraction = record.time.fraction;
        reading.kind = record.reading.kind;
        reading.previous = -1;
        switch (record.reading.kind) {
        case FoundReading::Kind::Status:
            for (std::size_t byte = 0; byte < kStatusByteCount; ++byte) {
                reading.bytes[byte] = static_cast<std::uint8_t>(record.reading.bytes[byte]);
                if (record.previous)
                    changedFlags_[byte] |= (*record.previous)[byte] ^ record.reading.bytes[byte];
            }
            reading.repeats = record.previous && *record.previous == record.reading.bytes;
            reading.previous = lastStatus_;
            lastStatus_ = static_cast<std::int64_t>(readings_.size());
            break;
        case FoundReading::Kind::Error:
            reading.code = record.reading.code;
            break;
        case FoundReading::Kind::Unreadable:
            reading.previous = static_cast<std::int64_t>(unreadables_.size());
            unreadables_.push_back({std::string(record.reading.text), record.reading.problem});
            break;
        }
        readings_.push_back(reading);
        if (!showAll_ && Takes(reading))
            shown_.push_back(static_cast<std::uint32_t>(readings_.size() - 1));
    };
    feed_.Feed(piece, keep);
}

void LogTimeline::End()
{
    Feed({});
}

StatusBytes LogTimeline::BytesOf(const Reading& reading) const
{
    StatusBytes bytes{};
    std::copy(std::begin(reading.bytes), std::end(reading.bytes), bytes.begin());
    return bytes;
}

bool LogTimeline::Takes(const Reading& reading) const
{
    if (changesOnly_ && reading.kind == FoundReading::Kind::Status && reading.repeats)
        return false;
    switch (filter_) {
    case Filter::All:
        return true;
    case Filter::Code:
        return reading.kind == FoundReading::Kind::Error && FilterValue(reading.code) == filterValue_;
    case Filter::Flag: {
        const auto byte = static_cast<std::size_t>(filterValue_ / kBitsPerByte);
        const unsigned mask = 1u << (filterValue_ % kBitsPerByte);
        if (reading.kind != FoundReading::Kind::Status || byte >= kStatusByteCount)
            return false;
        if (reading.previous < 0)
            return (reading.bytes[byte] & mask) != 0;
        return ((readings_[static_cast<std::size_t>(reading.previous)].bytes[byte] ^ reading.bytes[byte]) & mask) != 0;
    }
    }
    return false;
}

void LogTimeline::Show(Filter filter, int value, bool changesOnly)
{
    filter_ = filter;
    filterValue_ = value;
    changesOnly_ = changesOnly;
    showAll_ = filter == Filter::All && !changesOnly;
    shown_.clear();
    if (showAll_)
        return;
    for (std::size_t i = 0; i < readings_.size(); ++i) {
        if (Takes(readings_[i]))
            shown_.push_back(static_cast<std::uint32_t>(i));
    }
}

const LogTimeline::Reading& LogTimeline::ShownReading(std::size_t index) const
{
    return readings_[showAll_ ? index : shown_[index]];
}

std::vector<LogTimeline::Choice> LogTimeline::Choices(TextTranslation translate) const
{
    std::vector<Choice> choices;
    for (const StatusFlag& flag : StatusFlagCatalogue) {
        if (changedFlags_[static_cast<std::size_t>(flag.byteIndex)] & flag.Value())
            choices.push_back({Filter::Flag, FilterValue(flag), FlagWithItsByte(flag, translate)});
    }
    for (const LogSummary::CodeSeen& seen : summary_.CodesSeen())
        choices.push_back({Filter::Code, FilterValue(seen.code), ErrorCodeText(seen.code)});
    return choices;
}

LogTimeline::Row LogTimeline::RowAt(std::size_t shown, TextTranslation translate) const
{
    const Reading& reading = ShownReading(shown);
    Row row{reading.line, {}, reading.kind, {}, {}};
    if (reading.timed) {
        LogTime time;
        time.ms = reading.ms;
        time.offsetMinutes = reading.offsetMinutes;
        time.zone = reading.zone;
        time.dated = reading.dated;
        time.fraction = reading.fraction;
        AppendTime(row.time, time);
    }
    switch (reading.kind) {
    case FoundReading::Kind::Status: {
        const StatusBytes bytes = BytesOf(reading);
        row.value = StatusHexText(bytes);
        std::optional<StatusBytes> previous;
        if (reading.previous >= 0)
            previous = BytesOf(readings_[static_cast<std::size_t>(reading.previous)]);
        AppendReadingWords(row.words, bytes, previous, '\n', translate);
        break;
    }
    case FoundReading::Kind::Error:
        row.value = ErrorCodeText(reading.code);
        row.words = DescribeCode(reading.code, translate).text;
        break;
    case FoundReading::Kind::Unreadable: {
        const Unreadable& unreadable = unreadables_[static_cast<std::size_t>(reading.previous)];
        row.value = unreadable.text;
        row.words = Phrased(unreadable.problem, translate);
        break;
    }
    }
    return row;
}
