#include "ui/LogSummaryText.h"

#include "core/Formats.h"
#include "core/SummaryWords.h"
#include "form/LogTimeline.h"

#include <string>
#include <vector>

namespace {

QString Escaped(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString Link(LogTimeline::Filter filter, int value, const std::string& text)
{
    return QStringLiteral("<a href=\"filter:%1:%2\">%3</a>").arg(static_cast<int>(filter)).arg(value).arg(Escaped(text));
}

void AddList(QString& html, const std::string& heading, const std::vector<QString>& entries)
{
    if (entries.empty())
        return;
    html += QStringLiteral("<p><b>%1</b></p><ul>").arg(Escaped(heading));
    for (const QString& entry : entries)
        html += QStringLiteral("<li>") + entry + QStringLiteral("</li>");
    html += QStringLiteral("</ul>");
}

} // namespace

QString SummaryHtml(const LogSummary& summary, TextTranslation translate)
{
    const SummaryWords words = WordsOf(summary, translate);
    QString html = QStringLiteral("<p>") + Escaped(words.counts);
    if (!words.span.empty())
        html += QStringLiteral("<br>") + Escaped(words.span);
    html += QStringLiteral("</p>");
    std::vector<QString> codes;
    for (std::size_t i = 0; i < words.codes.size(); ++i) {
        const ErrorCode code = summary.CodesSeen()[i].code;
        codes.push_back(Link(LogTimeline::Filter::Code, LogTimeline::FilterValue(code), words.codes[i]));
    }
    AddList(html, words.codesHeading, codes);
    std::vector<QString> flags;
    const std::vector<LogSummary::FlagChanges> changes = summary.FlagsChanged();
    for (std::size_t i = 0; i < words.flags.size(); ++i) {
        flags.push_back(Link(LogTimeline::Filter::Flag, LogTimeline::FilterValue(*changes[i].flag), words.flags[i]));
    }
    AddList(html, words.flagsHeading, flags);
    std::vector<QString> states;
    for (const std::string& state : words.states)
        states.push_back(Escaped(state));
    AddList(html, words.statesHeading, states);
    return html;
}

QString SummaryPlainText(const LogSummary& summary, TextTranslation translate)
{
    std::string text;
    MakeFormatWriter(Format::Text, ValueKind::LogSummary, ValueSource::Lines, translate)->Summary(text, summary);
    return QString::fromStdString(text);
}
