// The chart's lanes and axis, from the timeline's readings: one pass each,
// whatever the log's size.
#include "form/LogTimeline.h"

#include "core/Explanation.h"
#include "core/StatusFlagCatalogue.h"
#include "core/StatusRecord.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::int64_t kSecond = 1000;
constexpr std::int64_t kMinute = 60 * kSecond;
constexpr std::int64_t kHour = 60 * kMinute;
// A label's width in columns for each character (a digit at the page's
// 16 pixels on a phone), and room between labels.
constexpr int kCharacterWidth = 9;
constexpr int kLabelGap = 16;

// Whether a label of `characters`, centred on `column`, stays inside the chart.
bool Inside(int column, std::size_t characters, int width)
{
    const int half = static_cast<int>(characters) * kCharacterWidth / 2;
    return column - half >= 0 && column + half <= width;
}

constexpr std::array<std::int64_t, 22> kTimeSteps = {
    kSecond,      2 * kSecond,  5 * kSecond,  10 * kSecond, 15 * kSecond, 30 * kSecond, kMinute,      2 * kMinute,
    5 * kMinute,  10 * kMinute, 15 * kMinute, 30 * kMinute, kHour,        2 * kHour,    3 * kHour,    6 * kHour,
    12 * kHour,   kMsPerDay,    2 * kMsPerDay, 7 * kMsPerDay, 14 * kMsPerDay, 28 * kMsPerDay};

LogTime At(std::int64_t ms, bool dated)
{
    LogTime time;
    time.ms = ms;
    time.dated = dated;
    time.known = true;
    return time;
}

// "2026-12-09 10:00:00" split into its date and its clock.
std::pair<std::string, std::string> DateAndClock(std::int64_t ms, bool dated)
{
    const std::string text = TimeText(At(ms, dated));
    const std::size_t blank = text.find(' ');
    if (blank == std::string::npos)
        return {std::string(), text};
    return {text.substr(0, blank), text.substr(blank + 1)};
}

// Ticks at a round step, as many as fit without their labels meeting;
// the date at the first tick and where it changes.
std::vector<LogChart::Tick> TimeTicks(std::int64_t first, std::int64_t last, bool dated, int width)
{
    std::vector<LogChart::Tick> ticks;
    const std::int64_t span = last - first;
    if (span <= 0)
        return ticks;
    for (const std::int64_t step : kTimeSteps) {
        const bool days = step >= kMsPerDay;
        const int characters = days ? 10 : step < kMinute ? 8 : 5;
        const auto room = [&](std::int64_t apart) {
            return static_cast<double>(width) * static_cast<double>(apart) / static_cast<double>(span);
        };
        // Clocks side by side; dates on a row of their own, a day apart at the closest.
        if (room(step) < characters * kCharacterWidth + kLabelGap || (!days && dated && room(kMsPerDay) < 10 * kCharacterWidth + kLabelGap))
            continue;
        std::string shownDate;
        for (std::int64_t at = (first + step - 1) / step * step; at <= last; at += step) {
            const auto [date, clock] = DateAndClock(at, dated);
            LogChart::Tick tick{static_cast<int>(static_cast<double>(at - first) / static_cast<double>(span) * (width - 1)), {}, {}};
            tick.label = days ? (date.empty() ? clock : date) : step < kMinute ? clock : clock.substr(0, 5);
            // Whole, a date under it or not: one at an end of the chart may be left out.
            if (!Inside(tick.column, std::max(tick.label.size(), days ? 0 : date.size()), width))
                continue;
            if (!days && date != shownDate)
                tick.date = date;
            shownDate = date;
            ticks.push_back(tick);
        }
        return ticks;
    }
    return ticks;
}

// Line numbers at a round step: 1, 2 or 5 times a power of ten.
std::vector<LogChart::Tick> LineTicks(std::uint64_t first, std::uint64_t last, int width)
{
    std::vector<LogChart::Tick> ticks;
    if (last <= first)
        return ticks;
    const double span = static_cast<double>(last - first);
    for (std::uint64_t power = 1;; power *= 10) {
        for (const std::uint64_t step : {power, 2 * power, 5 * power}) {
            const int characters = static_cast<int>(std::to_string(last).size());
            if (static_cast<double>(width) * static_cast<double>(step) / span < characters * kCharacterWidth + kLabelGap)
                continue;
            for (std::uint64_t at = (first + step - 1) / step * step; at <= last; at += step) {
                LogChart::Tick tick{static_cast<int>(static_cast<double>(at - first) / span * (width - 1)), std::to_string(at), {}};
                if (Inside(tick.column, tick.label.size(), width))
                    ticks.push_back(tick);
            }
            return ticks;
        }
    }
}

} // namespace

std::vector<double> LogTimeline::Places(bool& byTime) const
{
    std::vector<double> places(readings_.size());
    byTime = std::any_of(readings_.begin(), readings_.end(), [](const Reading& r) { return r.timed; });
    if (!byTime) {
        for (std::size_t i = 0; i < readings_.size(); ++i)
            places[i] = static_cast<double>(readings_[i].line);
        return places;
    }
    // A reading without a time stands between its timed neighbours, by line.
    std::size_t before = readings_.size();
    for (std::size_t i = 0; i < readings_.size(); ++i) {
        if (!readings_[i].timed)
            continue;
        places[i] = static_cast<double>(readings_[i].placedMs);
        const std::size_t from = before == readings_.size() ? 0 : before + 1;
        for (std::size_t j = from; j < i; ++j) {
            if (before == readings_.size()) {
                places[j] = places[i];
                continue;
            }
            const double lines = static_cast<double>(readings_[i].line - readings_[before].line);
            const double share = lines > 0 ? static_cast<double>(readings_[j].line - readings_[before].line) / lines : 0.5;
            places[j] = places[before] + share * (places[i] - places[before]);
        }
        before = i;
    }
    for (std::size_t j = before + 1; j < readings_.size() && before < readings_.size(); ++j)
        places[j] = places[before];
    return places;
}

LogChart LogTimeline::Chart(int width, TextTranslation translate) const
{
    LogChart chart;
    chart.columns = std::max(width, 1);
    const int columns = chart.columns;
    chart.stateLane = Translated(kExplanationContext, QT_TRANSLATE_NOOP("Explanation", "Состояние чека"), translate);
    if (readings_.empty())
        return chart;
    std::vector<double> places = Places(chart.byTime);
    const auto [low, high] = std::minmax_element(places.begin(), places.end());
    const double first = *low;
    const double span = *high - first;
    const auto columnOf = [&](std::size_t i) {
        return span > 0 ? std::min(columns - 1, static_cast<int>((places[i] - first) / span * columns)) : 0;
    };

    // The axis.
    if (chart.byTime) {
        const bool dated = std::any_of(readings_.begin(), readings_.end(), [](const Reading& r) { return r.timed && r.dated; });
        chart.from = TimeText(At(static_cast<std::int64_t>(first), dated));
        chart.to = TimeText(At(static_cast<std::int64_t>(*high), dated));
        chart.ticks = TimeTicks(static_cast<std::int64_t>(first), static_cast<std::int64_t>(*high), dated, columns);
    } else {
        chart.from = std::to_string(readings_.front().line);
        chart.to = std::to_string(readings_.back().line);
        chart.ticks = LineTicks(readings_.front().line, readings_.back().line, columns);
    }

    // Each status reading in force from its column to the next one's: the
    // bytes set in each column, and the receipt state at each.
    std::vector<std::array<std::uint8_t, kStatusByteCount>> set(static_cast<std::size_t>(columns));
    std::vector<int> state(static_cast<std::size_t>(columns), -1);
    std::size_t previous = readings_.size();
    const auto inForce = [&](std::size_t i, int until) {
        const int from = columnOf(i);
        for (int column = from; column < std::max(until, from + 1); ++column) {
            for (std::size_t byte = 0; byte < kStatusByteCount; ++byte)
                set[static_cast<std::size_t>(column)][byte] |= readings_[i].bytes[byte];
            state[static_cast<std::size_t>(column)] = ReceiptStateOf(readings_[i].bytes[kReceiptStateByte]);
        }
    };
    std::vector<std::vector<int>> codeColumns(summary_.CodesSeen().size());
    std::vector<int> codeLane(0x10000, -1);
    for (std::size_t lane = 0; lane < summary_.CodesSeen().size(); ++lane) {
        const ErrorCode code = summary_.CodesSeen()[lane].code;
        codeLane[static_cast<std::size_t>(FilterValue(code))] = static_cast<int>(lane);
    }
    for (std::size_t i = 0; i < readings_.size(); ++i) {
        const Reading& reading = readings_[i];
        if (reading.kind == FoundReading::Kind::Error) {
            const int lane = codeLane[static_cast<std::size_t>(FilterValue(reading.code))];
            std::vector<int>& marks = codeColumns[static_cast<std::size_t>(lane)];
            if (marks.empty() || marks.back() != columnOf(i))
                marks.push_back(columnOf(i));
        }
        if (reading.kind != FoundReading::Kind::Status)
            continue;
        if (previous < readings_.size())
            inForce(previous, columnOf(i));
        previous = i;
    }
    if (previous < readings_.size())
        inForce(previous, columns);

    for (int column = 0; column < columns;) {
        const int shown = state[static_cast<std::size_t>(column)];
        int last = column;
        while (last + 1 < columns && state[static_cast<std::size_t>(last + 1)] == shown)
            ++last;
        if (shown >= 0)
            chart.states.push_back({column, last, shown});
        column = last + 1;
    }
    std::array<bool, kReceiptStateCount> seen{};
    for (const LogChart::StateSpan& span : chart.states)
        seen[static_cast<std::size_t>(span.state)] = true;
    for (int shown = 0; shown < kReceiptStateCount; ++shown) {
        if (seen[static_cast<std::size_t>(shown)])
            chart.stateNames.emplace_back(shown, Translated(kStatusFlagsContext, ReceiptStateList[static_cast<std::size_t>(shown)], translate));
    }

    for (const StatusFlag& flag : StatusFlagCatalogue) {
        const auto byte = static_cast<std::size_t>(flag.byteIndex);
        if ((changedFlags_[byte] & flag.Value()) == 0)
            continue;
        LogChart::FlagLane lane{FilterValue(flag), FlagWithItsByte(flag, translate), {}};
        for (int column = 0; column < columns;) {
            if ((set[static_cast<std::size_t>(column)][byte] & flag.Value()) == 0) {
                ++column;
                continue;
            }
            int last = column;
            while (last + 1 < columns && (set[static_cast<std::size_t>(last + 1)][byte] & flag.Value()) != 0)
                ++last;
            lane.spans.emplace_back(column, last);
            column = last + 1;
        }
        chart.flags.push_back(std::move(lane));
    }

    for (std::size_t lane = 0; lane < summary_.CodesSeen().size(); ++lane) {
        const LogSummary::CodeSeen& seen = summary_.CodesSeen()[lane];
        chart.codes.push_back({seen.code, seen.count, ErrorCodeText(seen.code) + " \xC3\x97" + std::to_string(seen.count),
                               std::move(codeColumns[lane])});
    }
    return chart;
}
