#pragma once

#include "core/LogSummary.h"
#include "core/Translatable.h"

#include <string>
#include <vector>

// A log's summary (LogSummary) in words, line by line, as regalo-decode
// writes it and the page and the window show it: its counts and span, each
// code, each flag that changed, each receipt state shown.
struct SummaryWords {
    std::string counts; // "Показаний: 11 (строк статуса: 7, …)"; "Показаний нет." for none
    std::string span;   // "Время: … – …", empty where the log has no time
    std::string codesHeading;
    std::vector<std::string> codes; // as CodesSeen() has them
    std::string flagsHeading;
    std::vector<std::string> flags; // as FlagsChanged() has them
    std::string statesHeading;
    std::vector<std::string> states; // each state shown, in order
};
SummaryWords WordsOf(const LogSummary& summary, TextTranslation translate);
