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

// A day in seconds: a clock without a date that goes back has passed midnight.
constexpr double kDay = 86400;

} // namespace

void LogTimeline::Start()
{
    lines_ = TextLines(1 << 20, true);
    scan_ = LogScan(false, false);
    readings_.clear();
    readings_.shrink_to_fit();
    times_.clear();
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
        reading.seconds = record.time.seconds;
        reading.time = static_cast<std::uint32_t>(times_.size());
        const std::string_view time = record.time.text.substr(0, 255);
        reading.timeLength = static_cast<std::uint8_t>(time.size());
        reading.dated = record.time.dated;
        times_ += time;
        reading.status = record.reading.kind == FoundReading::Kind::Status;
        reading.previous = -1;
        if (reading.status) {
            for (std::size_t byte = 0; byte < kStatusByteCount; ++byte) {
                reading.bytes[byte] = static_cast<std::uint8_t>(record.reading.bytes[byte]);
                if (record.previous)
                    changedFlags_[byte] |= (*record.previous)[byte] ^ record.reading.bytes[byte];
            }
            reading.previous = lastStatus_;
            lastStatus_ = static_cast<std::int64_t>(readings_.size());
        } else {
            reading.code = record.reading.code;
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
            scan_.Line(line.text, line.number, line.tooLong, keep);
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

std::string_view LogTimeline::TimeOf(const Reading& reading) const
{
    return std::string_view(times_).substr(reading.time, reading.timeLength);
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
            taken = !reading.status && reading.code.detail * 256 + reading.code.errorClass == value;
        else if (reading.status && byte < kStatusByteCount)
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
        if (reading.status || seen[static_cast<std::size_t>(code)])
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
        if (reading.status) {
            const StatusBytes bytes = BytesOf(reading);
            value = StatusHexText(bytes);
            if (reading.previous < 0) {
                words = ExplainStatus(bytes, translate);
                words.erase(0, words.find('\n') + 1); // the bytes are the value's
            } else {
                AppendFlagChanges(words, BytesOf(readings_[static_cast<std::size_t>(reading.previous)]), bytes, '\n', translate);
            }
        } else {
            value = ErrorCodeText(reading.code);
            words = BuildErrorMessage(reading.code.errorClass, reading.code.detail, translate);
            if (words.empty())
                words = NoDescriptionNote(value, translate);
        }
        json.BeginObject()
            .Key("kind").String(reading.status ? "status" : "error")
            .Key("line").Number(static_cast<long long>(reading.line))
            .Key("time").String(TimeOf(reading))
            .Key("value").String(value)
            .Key("words").String(words)
            .EndObject();
    }
    json.EndArray().Key("shown").Number(static_cast<long long>(Shown())).EndObject();
    return out;
}

std::vector<double> LogTimeline::Places(bool& byTime) const
{
    std::vector<double> places(readings_.size());
    byTime = std::any_of(readings_.begin(), readings_.end(), [](const Reading& r) { return r.timeLength > 0; });
    // A reading without a time takes the last one before it (or the first
    // after it, at the start); a clock without a date, the day of the last
    // date, or the next day where it goes back past midnight.
    double last = 0;
    bool timed = false;
    double day = 0;
    for (std::size_t i = 0; i < readings_.size(); ++i) {
        const Reading& reading = readings_[i];
        if (!byTime) {
            places[i] = static_cast<double>(reading.line);
            continue;
        }
        if (reading.timeLength > 0) {
            double seconds = reading.seconds;
            if (reading.dated) {
                day = seconds - std::fmod(seconds, kDay);
            } else {
                seconds += day;
                if (timed && seconds < last && last - seconds > kDay / 2) {
                    day += kDay;
                    seconds += kDay;
                }
            }
            if (!timed)
                std::fill(places.begin(), places.begin() + static_cast<std::ptrdiff_t>(i), seconds);
            last = seconds;
            timed = true;
        }
        places[i] = last;
    }
    if (places.empty())
        return places;
    const auto [low, high] = std::minmax_element(places.begin(), places.end());
    const double first = *low;
    const double span = *high - first;
    for (double& place : places)
        place = span > 0 ? (place - first) / span : 0;
    return places;
}

std::string LogTimeline::ChartJson(int columns, TextTranslation translate) const
{
    columns = std::max(columns, 1);
    bool byTime = false;
    const std::vector<double> places = Places(byTime);
    const auto columnOf = [&](std::size_t i) {
        return std::min(columns - 1, static_cast<int>(places[i] * columns));
    };
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("axis").String(byTime ? "time" : "line");
    // The ends of the axis as the log writes them.
    std::string_view from;
    std::string_view to;
    long long firstLine = 0;
    long long lastLine = 0;
    if (!readings_.empty()) {
        firstLine = static_cast<long long>(readings_.front().line);
        lastLine = static_cast<long long>(readings_.back().line);
        for (std::size_t i = 0; i < readings_.size() && from.empty(); ++i)
            from = TimeOf(readings_[i]);
        for (std::size_t i = readings_.size(); i > 0 && to.empty(); --i)
            to = TimeOf(readings_[i - 1]);
    }
    if (byTime)
        json.Key("from").String(from).Key("to").String(to);
    else
        json.Key("from").String(std::to_string(firstLine)).Key("to").String(std::to_string(lastLine));

    // Each error code once, how often it came and the columns it came in.
    json.Key("codes").BeginArray();
    std::vector<std::pair<int, int>> marks; // code, column
    for (std::size_t i = 0; i < readings_.size(); ++i) {
        if (!readings_[i].status)
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
            if (!readings_[i].status)
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
