#include "core/SummaryWords.h"

#include "core/Explanation.h"

namespace {

std::string Label(const char* source, std::initializer_list<std::string_view> values, TextTranslation translate)
{
    return Filled(Translated(kReportContext, source, translate), values);
}

std::string TimeOrDash(const std::optional<LogTime>& time)
{
    return time ? TimeText(*time) : std::string("-");
}

std::string Count(std::uint64_t n)
{
    return std::to_string(n);
}

} // namespace

SummaryWords WordsOf(const LogSummary& summary, TextTranslation translate)
{
    SummaryWords words;
    if (summary.Readings() == 0) {
        words.counts = Label(QT_TRANSLATE_NOOP("Report", "Показаний нет."), {}, translate);
        return words;
    }
    words.counts = Label(QT_TRANSLATE_NOOP("Report", "Показаний: %1 (строк статуса: %2, кодов ошибок: %3, не прочитано: %4)"),
                         {Count(summary.Readings()), Count(summary.StatusLines()), Count(summary.Codes()), Count(summary.Unreadable())},
                         translate);
    if (summary.First())
        words.span = Label(QT_TRANSLATE_NOOP("Report", "Время: %1 – %2"), {TimeOrDash(summary.First()), TimeOrDash(summary.Last())}, translate);
    words.codesHeading = Label(QT_TRANSLATE_NOOP("Report", "Коды ошибок:"), {}, translate);
    for (const LogSummary::CodeSeen& seen : summary.CodesSeen()) {
        const std::string message = DescriptionOnOneLine(DescribeCode(seen.code, translate).text);
        words.codes.push_back(Label(QT_TRANSLATE_NOOP("Report", "%1 ×%2, %3 – %4: %5"),
                                    {ErrorCodeText(seen.code), Count(seen.count), TimeOrDash(seen.first), TimeOrDash(seen.last), message},
                                    translate));
    }
    words.flagsHeading = Label(QT_TRANSLATE_NOOP("Report", "Флаги, которые менялись:"), {}, translate);
    for (const LogSummary::FlagChanges& changes : summary.FlagsChanged()) {
        std::string set;
        AppendDuration(set, changes.msSet);
        words.flags.push_back(
            Label(QT_TRANSLATE_NOOP("Report", "%1: установлен %2, снят %3; впервые %4, в последний раз снят %5; всего установлен %6"),
                  {FlagWithItsByte(*changes.flag, translate), Count(changes.set), Count(changes.cleared), TimeOrDash(changes.firstSet),
                   TimeOrDash(changes.lastCleared), set},
                  translate));
    }
    words.statesHeading = Label(QT_TRANSLATE_NOOP("Report", "Состояния чека:"), {}, translate);
    for (std::size_t state = 0; state < kReceiptStateCount; ++state) {
        if (const std::uint64_t shown = summary.ReceiptStates()[state])
            words.states.push_back(std::string(Translated(kStatusFlagsContext, ReceiptStateList[state], translate)) + ": " + Count(shown));
    }
    return words;
}
