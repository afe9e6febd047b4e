#include "form/LogTimeline.h"

#include "core/Explanation.h"
#include "core/Json.h"
#include "core/StatusFlagCatalogue.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFlagCount = kStatusByteCount * kBitsPerByte;

int FlagNumber(const StatusFlag& flag)
{
    return flag.byteIndex * kBitsPerByte + flag.bit;
}

} // namespace

void LogTimeline::Start()
{
    lines_ = TextLines(1 << 20, true, true);
    scan_ = LogScan();
    readings_.clear();
    readings_.shrink_to_fit();
    unreadables_.clear();
    lastStatus_ = -1;
    std::fill(std::begin(changedFlags_), std::end(changedFlags_), 0u);
    filter_ = Filter::All;
    filterValue_ = 0;
    shown_.clear();
}

void LogTimeline::Feed(std::string_view piece)
{
    const auto keep = [this](const ScanRecord& record) {
        Reading reading{};
        reading.line = record.line;
        reading.ms = record.time.ms;
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
    };
    // The end of the text (an empty piece) drains what is left.
    do {
        const std::span<char> space = lines_.Space();
        const std::size_t size = std::min(space.size(), piece.size());
        std::copy_n(piece.data(), size, space.data());
        piece.remove_prefix(size);
        lines_.Took(size);
        TextLines::Line line;
        while (lines_.Next(line))
            scan_.Line(line.text, line.number, line.continues, keep);
    } while (!piece.empty());
}

void LogTimeline::End()
{
    Feed({});
    Show(filter_, filterValue_);
}

StatusBytes LogTimeline::BytesOf(const Reading& reading) const
{
    StatusBytes bytes{};
    std::copy(std::begin(reading.bytes), std::end(reading.bytes), bytes.begin());
    return bytes;
}

LogTime LogTimeline::TimeOf(const Reading& reading)
{
    LogTime time;
    time.ms = reading.ms;
    time.offsetMinutes = reading.offsetMinutes;
    time.zone = reading.zone;
    time.dated = reading.dated;
    time.fraction = reading.fraction;
    return time;
}

std::string LogTimeline::TimeTextOf(const Reading& reading)
{
    std::string text;
    if (reading.timed)
        AppendTime(text, TimeOf(reading));
    return text;
}

void LogTimeline::Show(Filter filter, int value)
{
    filter_ = filter;
    filterValue_ = value;
    shown_.clear();
    if (filter == Filter::All)
        return;
    const auto byte = static_cast<std::size_t>(value / kBitsPerByte);
    const unsigned mask = 1u << (value % kBitsPerByte);
    for (std::size_t i = 0; i < readings_.size(); ++i) {
        const Reading& reading = readings_[i];
        bool taken = false;
        if (filter == Filter::Code)
            taken = reading.kind == FoundReading::Kind::Error && reading.code.detail * 256 + reading.code.errorClass == value;
        else if (reading.kind == FoundReading::Kind::Status && byte < kStatusByteCount)
            taken = reading.previous < 0 ? (reading.bytes[byte] & mask) != 0
                                         : ((readings_[static_cast<std::size_t>(reading.previous)].bytes[byte] ^ reading.bytes[byte]) & mask) != 0;
        if (taken)
            shown_.push_back(static_cast<std::uint32_t>(i));
    }
}

const LogTimeline::Reading& LogTimeline::ShownReading(std::size_t index) const
{
    return readings_[filter_ == Filter::All ? index : shown_[index]];
}

std::string LogTimeline::ChoicesJson(TextTranslation translate) const
{
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("codes").BeginArray();
    std::vector<bool> seen(0x10000, false);
    for (const Reading& reading : readings_) {
        const int code = reading.code.detail * 256 + reading.code.errorClass;
        if (reading.kind != FoundReading::Kind::Error || seen[static_cast<std::size_t>(code)])
            continue;
        seen[static_cast<std::size_t>(code)] = true;
        json.BeginObject().Key("code").Number(code).Key("text").String(ErrorCodeText(reading.code)).EndObject();
    }
    json.EndArray().Key("flags").BeginArray();
    for (const StatusFlag& flag : StatusFlagCatalogue) {
        if (changedFlags_[static_cast<std::size_t>(flag.byteIndex)] & flag.Value())
            json.BeginObject()
                .Key("caption").String(Translated(kStatusFlagsContext, flag.caption, translate))
                .Key("flag").Number(FlagNumber(flag))
                .EndObject();
    }
    json.EndArray().EndObject();
    return out;
}

std::string LogTimeline::RowsJson(std::size_t from, std::size_t count, TextTranslation translate) const
{
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("rows").BeginArray();
    const std::size_t end = std::min(Shown(), from + std::min(count, Shown()));
    for (std::size_t index = from; index < end; ++index) {
        const Reading& reading = ShownReading(index);
        std::string value;
        std::string words;
        const char* kind = "status";
        switch (reading.kind) {
        case FoundReading::Kind::Status: {
            const StatusBytes bytes = BytesOf(reading);
            value = StatusHexText(bytes);
            std::optional<StatusBytes> previous;
            if (reading.previous >= 0)
                previous = BytesOf(readings_[static_cast<std::size_t>(reading.previous)]);
            AppendReadingWords(words, bytes, previous, '\n', translate);
            break;
        }
        case FoundReading::Kind::Error:
            kind = "error";
            value = ErrorCodeText(reading.code);
            words = DescribeCode(reading.code, translate).text;
            break;
        case FoundReading::Kind::Unreadable: {
            kind = "unreadable";
            const Unreadable& unreadable = unreadables_[static_cast<std::size_t>(reading.previous)];
            value = unreadable.text;
            words = Phrased(unreadable.problem, translate);
            break;
        }
        }
        json.BeginObject()
            .Key("kind").String(kind)
            .Key("line").Number(static_cast<long long>(reading.line))
            .Key("time").String(TimeTextOf(reading))
            .Key("value").String(value)
            .Key("words").String(words)
            .EndObject();
    }
    json.EndArray().Key("shown").Number(static_cast<long long>(Shown())).EndObject();
    return out;
}

LogTimeline::Axis LogTimeline::Places() const
{
    Axis axis;
    axis.places.resize(readings_.size());
    axis.byTime = std::any_of(readings_.begin(), readings_.end(), [](const Reading& r) { return r.timed; });
    if (!axis.byTime) {
        for (std::size_t i = 0; i < readings_.size(); ++i)
            axis.places[i] = static_cast<double>(readings_[i].line);
    } else {
        // A clock without a date takes the day of the last date, or the
        // next day where it goes back past midnight; a reading without a
        // time stands between its timed neighbours, by line.
        std::vector<std::size_t> timed;
        std::int64_t midnight = 0;
        std::int64_t last = 0;
        for (std::size_t i = 0; i < readings_.size(); ++i) {
            const Reading& reading = readings_[i];
            if (!reading.timed)
                continue;
            std::int64_t ms = reading.ms;
            if (reading.dated) {
                midnight = MidnightOf(TimeOf(reading));
            } else {
                ms += midnight;
                if (!timed.empty() && ms + kMsPerDay / 2 < last) {
                    midnight += kMsPerDay;
                    ms += kMsPerDay;
                }
            }
            axis.places[i] = static_cast<double>(ms);
            last = ms;
            if (timed.empty())
                axis.first = i;
            axis.last = i;
            axis.firstMs = timed.empty() ? ms : axis.firstMs;
            axis.lastMs = ms;
            timed.push_back(i);
        }
        std::size_t next = 0;
        for (std::size_t i = 0; i < readings_.size(); ++i) {
            if (readings_[i].timed) {
                ++next;
                continue;
            }
            if (next == 0 || next == timed.size()) {
                axis.places[i] = axis.places[timed[next == 0 ? 0 : timed.size() - 1]];
                continue;
            }
            const Reading& before = readings_[timed[next - 1]];
            const Reading& after = readings_[timed[next]];
            const double share = after.line > before.line ? static_cast<double>(readings_[i].line - before.line) / static_cast<double>(after.line - before.line) : 0.5;
            axis.places[i] = axis.places[timed[next - 1]] + share * (axis.places[timed[next]] - axis.places[timed[next - 1]]);
        }
    }
    if (axis.places.empty())
        return axis;
    const auto [low, high] = std::minmax_element(axis.places.begin(), axis.places.end());
    const double first = *low;
    const double span = *high - first;
    for (double& place : axis.places)
        place = span > 0 ? (place - first) / span : 0;
    return axis;
}

std::string LogTimeline::ChartJson(int columns, TextTranslation translate) const
{
    columns = std::max(columns, 1);
    const Axis axis = Places();
    const std::vector<double>& places = axis.places;
    const auto columnOf = [&](std::size_t i) {
        return std::min(columns - 1, static_cast<int>(places[i] * columns));
    };
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("axis").String(axis.byTime ? "time" : "line");
    // The ends of the axis: the first and last time, a clock with its date.
    if (axis.byTime) {
        const auto placed = [&](std::size_t i, std::int64_t ms) {
            LogTime time = TimeOf(readings_[i]);
            if (!time.dated && ms != time.ms) {
                time.ms = ms;
                time.dated = true;
            }
            std::string text;
            AppendTime(text, time);
            return text;
        };
        json.Key("from").String(placed(axis.first, axis.firstMs)).Key("to").String(placed(axis.last, axis.lastMs));
    } else {
        const auto line = [&](bool first) {
            return readings_.empty() ? std::string("0") : std::to_string(first ? readings_.front().line : readings_.back().line);
        };
        json.Key("from").String(line(true)).Key("to").String(line(false));
    }

    // Each error code once, how often it came and the columns it came in.
    json.Key("codes").BeginArray();
    std::vector<std::pair<int, int>> marks; // code, column
    for (std::size_t i = 0; i < readings_.size(); ++i) {
        if (readings_[i].kind == FoundReading::Kind::Error)
            marks.emplace_back(readings_[i].code.detail * 256 + readings_[i].code.errorClass, columnOf(i));
    }
    std::sort(marks.begin(), marks.end());
    for (std::size_t i = 0; i < marks.size();) {
        const int code = marks[i].first;
        std::size_t end = i;
        while (end < marks.size() && marks[end].first == code)
            ++end;
        json.BeginObject().Key("code").String(ErrorCodeText({code & 0xFF, code >> 8}));
        json.Key("count").Number(static_cast<long long>(end - i)).Key("columns").BeginArray();
        for (std::size_t j = i; j < end; ++j) {
            if (j == i || marks[j].second != marks[j - 1].second)
                json.Number(marks[j].second);
        }
        json.EndArray().EndObject();
        i = end;
    }
    json.EndArray();

    // Each flag that changed: the columns from each status reading to the
    // next in which it was set, joined into spans.
    json.Key("rows").BeginArray();
    for (const StatusFlag& flag : StatusFlagCatalogue) {
        const auto byte = static_cast<std::size_t>(flag.byteIndex);
        if ((changedFlags_[byte] & flag.Value()) == 0)
            continue;
        std::vector<bool> set(static_cast<std::size_t>(columns), false);
        std::size_t previous = readings_.size();
        const auto mark = [&](std::size_t from, int until) {
            if (readings_[from].bytes[byte] & flag.Value())
                std::fill(set.begin() + columnOf(from), set.begin() + std::max(until, columnOf(from) + 1), true);
        };
        for (std::size_t i = 0; i < readings_.size(); ++i) {
            if (readings_[i].kind != FoundReading::Kind::Status)
                continue;
            if (previous < readings_.size())
                mark(previous, columnOf(i));
            previous = i;
        }
        if (previous < readings_.size())
            mark(previous, columns);
        json.BeginObject()
            .Key("caption").String(Translated(kStatusFlagsContext, flag.caption, translate))
            .Key("flag").Number(FlagNumber(flag))
            .Key("spans").BeginArray();
        for (int column = 0; column < columns;) {
            if (!set[static_cast<std::size_t>(column)]) {
                ++column;
                continue;
            }
            int last = column;
            while (last + 1 < columns && set[static_cast<std::size_t>(last + 1)])
                ++last;
            json.BeginArray().Number(column).Number(last).EndArray();
            column = last + 1;
        }
        json.EndArray().EndObject();
    }
    json.EndArray().EndObject();
    return out;
}
