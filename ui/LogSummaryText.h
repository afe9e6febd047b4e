#pragma once

#include "core/LogSummary.h"
#include "core/Translatable.h"

#include <QString>

// A log's summary as the window shows it: in words, each code and flag a
// link to its readings ("filter:<filter>:<value>", as LogTimeline numbers
// them).
QString SummaryHtml(const LogSummary& summary, TextTranslation translate);
// And as regalo-decode scan --summary writes it, to be copied.
QString SummaryPlainText(const LogSummary& summary, TextTranslation translate);
