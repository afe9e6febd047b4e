// The page's log view: a log read into a timeline where the page reads it
// (a worker), its rows, filter and chart asked for as the page draws them.
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

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void page_logStart() { theLog.Start(); }
EMSCRIPTEN_KEEPALIVE void page_logFeed(const char* bytes, int size) { theLog.Feed({bytes, static_cast<std::size_t>(size)}); }
EMSCRIPTEN_KEEPALIVE void page_logEnd() { theLog.End(); }
EMSCRIPTEN_KEEPALIVE const char* page_logFound() { return Answer(Counts()); }
EMSCRIPTEN_KEEPALIVE const char* page_logShow(int filter, int value)
{
    const bool known = filter >= 0 && filter <= static_cast<int>(LogTimeline::Filter::Code);
    theLog.Show(known ? static_cast<LogTimeline::Filter>(filter) : LogTimeline::Filter::All, value);
    return Answer(Counts());
}
EMSCRIPTEN_KEEPALIVE const char* page_logChoices(bool english) { return Answer(theLog.ChoicesJson(In(english))); }
EMSCRIPTEN_KEEPALIVE const char* page_logRows(int from, int count, bool english)
{
    return Answer(theLog.RowsJson(static_cast<std::size_t>(from), static_cast<std::size_t>(count), In(english)));
}
EMSCRIPTEN_KEEPALIVE const char* page_logChart(int columns, bool english) { return Answer(theLog.ChartJson(columns, In(english))); }

} // extern "C"
