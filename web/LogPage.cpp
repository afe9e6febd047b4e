// The page's log view: a log read into a timeline where the page reads it
// (a worker), and what the page draws of it asked for as JSON: the counts,
// the summary, the rows in sight, the filter's choices, the chart.
#include "core/Formats.h"
#include "core/Json.h"
#include "core/SummaryWords.h"
#include "form/LogTimeline.h"
#include "web/EnglishTexts.h"
#include "web/PageCalls.h"
#include "web/ScriptText.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

LogTimeline theLog;

TextTranslation In(bool english)
{
    return english ? &TranslatePageToEnglish : nullptr;
}

std::string Counts()
{
    return "{\"found\":" + std::to_string(theLog.Found()) + ",\"shown\":" + std::to_string(theLog.Shown()) + '}';
}

void WriteFilter(JsonWriter& json, LogTimeline::Filter filter, int value)
{
    json.Key("filter").BeginArray().Number(static_cast<int>(filter)).Number(value).EndArray();
}

// The summary in words, each code and flag with the filter that shows its
// readings; and as regalo-decode scan --summary --json writes it.
std::string Summary(bool english)
{
    const LogSummary& summary = theLog.Summary();
    const SummaryWords words = WordsOf(summary, In(english));
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("codes").BeginArray();
    for (std::size_t i = 0; i < words.codes.size(); ++i) {
        const ErrorCode code = summary.CodesSeen()[i].code;
        json.BeginObject();
        WriteFilter(json, LogTimeline::Filter::Code, LogTimeline::FilterValue(code));
        json.Key("text").String(words.codes[i]).EndObject();
    }
    json.EndArray().Key("codesHeading").String(words.codesHeading).Key("counts").String(words.counts).Key("flags").BeginArray();
    const std::vector<LogSummary::FlagChanges> flags = summary.FlagsChanged();
    for (std::size_t i = 0; i < words.flags.size(); ++i) {
        json.BeginObject();
        WriteFilter(json, LogTimeline::Filter::Flag, LogTimeline::FilterValue(*flags[i].flag));
        json.Key("text").String(words.flags[i]).EndObject();
    }
    json.EndArray().Key("flagsHeading").String(words.flagsHeading);
    std::string scanned;
    MakeJsonWriter(In(english))->Summary(scanned, summary);
    scanned.pop_back(); // its line's end
    json.Key("json").Raw(scanned).Key("span").String(words.span).Key("states").BeginArray();
    for (const std::string& state : words.states)
        json.String(state);
    json.EndArray().Key("statesHeading").String(words.statesHeading).EndObject();
    return out;
}

std::string Choices(bool english)
{
    std::string out;
    JsonWriter json(out);
    json.BeginArray();
    for (const LogTimeline::Choice& choice : theLog.Choices(In(english))) {
        json.BeginObject();
        WriteFilter(json, choice.filter, choice.value);
        json.Key("name").String(choice.name).EndObject();
    }
    json.EndArray();
    return out;
}

std::string Rows(int from, int count, bool english)
{
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("rows").BeginArray();
    const std::size_t first = static_cast<std::size_t>(std::max(from, 0));
    const std::size_t end = std::min(theLog.Shown(), first + static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t index = first; index < end; ++index) {
        const LogTimeline::Row row = theLog.RowAt(index, In(english));
        json.BeginObject()
            .Key("kind").String(ReadingKindName(row.kind))
            .Key("line").Number(static_cast<long long>(row.line))
            .Key("time").String(row.time)
            .Key("value").String(row.value)
            .Key("words").String(row.words)
            .EndObject();
    }
    json.EndArray().Key("rowsFrom").Number(static_cast<long long>(first)).Key("shown").Number(static_cast<long long>(theLog.Shown()));
    json.EndObject();
    return out;
}

std::string Chart(int width, bool english)
{
    const LogChart chart = theLog.Chart(width, In(english));
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("axis").String(chart.byTime ? "time" : "line").Key("codes").BeginArray();
    for (const LogChart::CodeLane& lane : chart.codes) {
        json.BeginObject().Key("columns").BeginArray();
        for (const int column : lane.columns)
            json.Number(column);
        json.EndArray();
        WriteFilter(json, LogTimeline::Filter::Code, LogTimeline::FilterValue(lane.code));
        json.Key("name").String(lane.name).EndObject();
    }
    json.EndArray().Key("columns").Number(chart.columns).Key("flags").BeginArray();
    for (const LogChart::FlagLane& lane : chart.flags) {
        json.BeginObject();
        WriteFilter(json, LogTimeline::Filter::Flag, lane.flag);
        json.Key("name").String(lane.name).Key("spans").BeginArray();
        for (const auto& [first, last] : lane.spans)
            json.BeginArray().Number(first).Number(last).EndArray();
        json.EndArray().EndObject();
    }
    json.EndArray().Key("from").String(chart.from).Key("stateLane").String(chart.stateLane).Key("stateNames").BeginArray();
    for (const auto& [state, name] : chart.stateNames)
        json.BeginObject().Key("name").String(name).Key("state").Number(state).EndObject();
    json.EndArray().Key("states").BeginArray();
    for (const LogChart::StateSpan& span : chart.states)
        json.BeginArray().Number(span.first).Number(span.last).Number(span.state).EndArray();
    json.EndArray().Key("ticks").BeginArray();
    for (const LogChart::Tick& tick : chart.ticks)
        json.BeginObject().Key("column").Number(tick.column).Key("date").String(tick.date).Key("label").String(tick.label).EndObject();
    json.EndArray().Key("to").String(chart.to).EndObject();
    return out;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void page_logStart() { theLog.Start(); }
EMSCRIPTEN_KEEPALIVE void page_logFeed(const char* bytes, int size) { theLog.Feed({bytes, static_cast<std::size_t>(size)}); }
EMSCRIPTEN_KEEPALIVE void page_logEnd() { theLog.End(); }
EMSCRIPTEN_KEEPALIVE const char* page_logFound() { return Answer(Counts()); }
EMSCRIPTEN_KEEPALIVE const char* page_logShow(int filter, int value, bool changesOnly)
{
    const bool known = filter >= 0 && filter <= static_cast<int>(LogTimeline::Filter::Code);
    theLog.Show(known ? static_cast<LogTimeline::Filter>(filter) : LogTimeline::Filter::All, value, changesOnly);
    return Answer(Counts());
}
EMSCRIPTEN_KEEPALIVE const char* page_logChoices(bool english) { return Answer(Choices(english)); }
EMSCRIPTEN_KEEPALIVE const char* page_logRows(int from, int count, bool english) { return Answer(Rows(from, count, english)); }
EMSCRIPTEN_KEEPALIVE const char* page_logChart(int width, bool english) { return Answer(Chart(width, english)); }
EMSCRIPTEN_KEEPALIVE const char* page_logSummary(bool english) { return Answer(Summary(english)); }

} // extern "C"
