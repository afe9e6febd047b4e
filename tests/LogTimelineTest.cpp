#include "form/LogTimeline.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A shift: paper runs out at 10:00, comes back at 12:00, an error at 11:00;
// the date written once; a reading repeated at 13:00; read in pieces cut
// anywhere, as a browser hands a file over.
LogTimeline Shift(std::size_t piece)
{
    const std::string log = "2026-12-09 09:00:00 <- 80 80 88 80 83 91\r\n10:00:00 <- 80 84 88 80 83 91\r\n11:00:00 ERR 0x0501\r\n"
                            "noise 00:1A:2B:3C:4D:5E\r\n12:00:00 <- 80 80 89 80 83 91\r\n13:00:00 <- 80 80 89 80 83 91";
    LogTimeline timeline;
    timeline.Start();
    for (std::size_t at = 0; at < log.size(); at += piece)
        timeline.Feed(std::string_view(log).substr(at, piece));
    timeline.End();
    return timeline;
}

TEST(LogTimeline, ShowsReadingsFiltersThemAndChartsWhatChanged)
{
    for (const std::size_t piece : {1u, 7u, 4096u}) {
        const LogTimeline timeline = Shift(piece);
        ASSERT_EQ(timeline.Found(), 5u) << piece;
        const LogTimeline::Row row = timeline.RowAt(1, nullptr);
        EXPECT_EQ(row.line, 2u);
        EXPECT_EQ(row.time, "10:00:00");
        EXPECT_EQ(row.value, "80 84 88 80 83 91");
        EXPECT_EQ(row.words, "Статус регистратора - байт 1 (состояние принтера): + (4) Закончилась чековая лента\nСостояние чека: 8. Резерв");
        EXPECT_EQ(timeline.RowAt(2, nullptr).words, "Ошибка оборудования!\n Ошибка дисплея!");
    }
    LogTimeline timeline = Shift(4096);
    const auto choices = timeline.Choices(nullptr);
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[0].name, "байт 1: (4) Закончилась чековая лента");
    EXPECT_EQ(choices[2].value, 0x0501);
    // The paper flag where it changed; the code's reading; changes only
    // hides 13:00, which repeats 12:00, and keeps the code.
    const struct {
        LogTimeline::Filter filter;
        int value;
        bool changesOnly;
        std::size_t shown;
    } filters[] = {{LogTimeline::Filter::Flag, 10, false, 2}, {LogTimeline::Filter::Code, 0x0501, false, 1},
                   {LogTimeline::Filter::All, 0, true, 4}, {LogTimeline::Filter::All, 0, false, 5}};
    for (const auto& f : filters) {
        timeline.Show(f.filter, f.value, f.changesOnly);
        EXPECT_EQ(timeline.Shown(), f.shown) << f.value;
    }

    // Four hours across eight columns: paper out from 10:00 to 12:00, the
    // error at 11:00, the receipt state 8 then 9 from 12:00.
    const LogChart chart = timeline.Chart(8, nullptr);
    EXPECT_TRUE(chart.byTime);
    EXPECT_EQ(chart.from, "2026-12-09 09:00:00");
    EXPECT_EQ(chart.to, "2026-12-09 13:00:00");
    ASSERT_EQ(chart.flags.size(), 2u);
    EXPECT_EQ(chart.flags[0].name, "байт 1: (4) Закончилась чековая лента");
    EXPECT_EQ(chart.flags[0].spans, (std::vector<std::pair<int, int>>{{2, 5}}));
    ASSERT_EQ(chart.codes.size(), 1u);
    EXPECT_EQ(chart.codes[0].name, "0501 ×1");
    EXPECT_EQ(chart.codes[0].columns, std::vector<int>{4});
    ASSERT_EQ(chart.states.size(), 2u);
    EXPECT_EQ(chart.states[1].first, 6);
    EXPECT_EQ(chart.stateNames.back().second, "9. Режим АННУЛИРОВАНИЕ");

    // Ticks every half hour, the date under the first; none cut at an end.
    const LogChart wide = timeline.Chart(600, nullptr);
    ASSERT_EQ(wide.ticks.size(), 7u);
    EXPECT_EQ(wide.ticks.front().label, "09:30");
    EXPECT_EQ(wide.ticks.front().date, "2026-12-09");
    EXPECT_EQ(wide.ticks[1].date, "");
    EXPECT_EQ(wide.ticks.back().label, "12:30");
    EXPECT_EQ(timeline.Summary().Readings(), 5u);
}

} // namespace
