#include "form/LogTimeline.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A shift: paper runs out at 10:00, comes back at 12:00, an error at 11:00;
// the date written once; read in pieces cut anywhere, as a browser hands a
// file over.
LogTimeline Shift(std::size_t piece)
{
    const std::string log = "2026-12-09 09:00:00 <- 80 80 88 80 83 91\r\n10:00:00 <- 80 84 88 80 83 91\r\n11:00:00 ERR 0x0501\r\n"
                            "noise 00:1A:2B:3C:4D:5E\r\n12:00:00 <- 80 80 88 80 83 91\r\n13:00:00 <- 80 80 88 80 83 91";
    LogTimeline timeline;
    timeline.Start();
    for (std::size_t at = 0; at < log.size(); at += piece)
        timeline.Feed(std::string_view(log).substr(at, piece));
    timeline.End();
    return timeline;
}

TEST(LogTimeline, ShowsReadingsFiltersThemAndChartsTheFlagsThatChanged)
{
    for (const std::size_t piece : {1u, 7u, 4096u}) {
        LogTimeline timeline = Shift(piece);
        ASSERT_EQ(timeline.Found(), 5u) << piece;
        EXPECT_EQ(timeline.RowsJson(1, 2, nullptr),
                  "{\"rows\":[{\"kind\":\"status\",\"line\":2,\"time\":\"10:00:00\",\"value\":\"80 84 88 80 83 91\",\"words\":"
                  "\"Статус регистратора - байт 1 (состояние принтера): + (4) Закончилась чековая лента\\nСостояние чека: 8. Резерв\"},"
                  "{\"kind\":\"error\",\"line\":3,\"time\":\"11:00:00\",\"value\":\"0501\",\"words\":"
                  "\"Ошибка оборудования!\\n Ошибка дисплея!\"}],\"shown\":5}")
            << piece;
    }
    LogTimeline timeline = Shift(4096);
    EXPECT_EQ(timeline.ChoicesJson(nullptr),
              "{\"codes\":[{\"code\":1281,\"text\":\"0501\"}],\"flags\":[{\"caption\":\"(4) Закончилась чековая лента\",\"flag\":10}]}");
    // The paper flag: where it changed. The code: its reading.
    timeline.Show(LogTimeline::Filter::Flag, 10);
    EXPECT_EQ(timeline.Shown(), 2u);
    timeline.Show(LogTimeline::Filter::Code, 0x0501);
    EXPECT_EQ(timeline.Shown(), 1u);
    EXPECT_NE(timeline.RowsJson(0, 10, nullptr).find("\"line\":3"), std::string::npos);
    // Four hours across eight columns: paper out from 10:00 to 12:00, the error at 11:00.
    EXPECT_EQ(timeline.ChartJson(8, nullptr),
              "{\"axis\":\"time\",\"from\":\"2026-12-09 09:00:00\",\"to\":\"2026-12-09 13:00:00\",\"codes\":[{\"code\":\"0501\",\"count\":1,\"columns\":[4]}],"
              "\"rows\":[{\"caption\":\"(4) Закончилась чековая лента\",\"flag\":10,\"spans\":[[2,5]]}]}");
}

} // namespace
