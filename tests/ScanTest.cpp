#include "core/Scan.h"
#include "core/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The readings of one line, each as "S:hex" or "E:code", in order.
std::string Found(std::string_view line, bool anyPairs = false)
{
    std::vector<FoundReading> found;
    FindReadings(line, anyPairs, found);
    std::string said;
    for (const FoundReading& reading : found) {
        if (!said.empty())
            said += ' ';
        said += reading.kind == FoundReading::Kind::Status ? "S:" : "E:";
        said += reading.text;
    }
    return said;
}

TEST(Scan, FindsReadingsWhereverALineHoldsThemAndNothingThatOnlyLooksLikeOne)
{
    const struct {
        const char* line;
        const char* found;
    } cases[] = {
        {"2026-12-09 10:00:01 [FR] <- 80 84 89 80 83 91", "S:80 84 89 80 83 91"},
        {"10:00:05 status=80-84-89-80-83-91;", "S:80-84-89-80-83-91"},
        {"fiscal 0x80 0x84 0X89 0x80 0x83 0x91", "S:0x80 0x84 0X89 0x80 0x83 0x91"},
        {"one piece 808489808391.", "S:808489808391"},
        {"state 80, 84, 89, 80, 83, 91", "S:80, 84, 89, 80, 83, 91"},
        // Not six pairs standing apart.
        {"frame 02 80 84 89 80 83 91", ""},
        {"frame 80-84-89-80-83-91-00", ""},
        {"digits 80848980839100 and 8084898083", ""},
        {"mixed 80 84 89-80 83 91", ""},
        {"word x80 84 89 80 83 91 and 80 84 89 80 83 91z", ""},
        // Six pairs without bit 7 everywhere: a MAC address, a date and a clock.
        {"mac 00:1A:2B:3C:4D:5E", ""},
        {"2026-12-09 10:00:01", ""},
        {"sha1 3fa85f6457174562b3fc2c963f66afa6", ""},
        // A clock before the bytes stays apart from them.
        {"10:00:01 80 84 89 80 83 91", "S:80 84 89 80 83 91"},
        // Error codes: 0x, or after a word that says error.
        {"ERR 0x0501", "E:0x0501"},
        {"failed: 0X0e05", "E:0X0e05"},
        {"Ошибка: 0E05", "E:0E05"},
        {"КОД ОШИБКИ #0301 при печати", "E:0301"},
        {"reply code=0x0000, err 501, error:AB12CD, Error =  1A02", "E:0x0000 E:1A02"},
        {"errors 0501 errno 0501 ошибкам 0501", ""},
        {"error0501 0x05011 0x050", ""},
        {"code 80 84 89 80 83 91 error 0E05", "S:80 84 89 80 83 91 E:0E05"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Found(c.line), c.found) << c.line;
    EXPECT_EQ(Found("mac 00:1A:2B:3C:4D:5E", true), "S:00:1A:2B:3C:4D:5E");
}

TEST(Scan, TakesTheTimeALineStartsWith)
{
    const struct {
        const char* line;
        const char* text;
        double seconds;
    } cases[] = {
        {"2026-12-09 10:00:01 x", "2026-12-09 10:00:01", 9839.0 * 86400 + 36001},
        {"[2026-12-09T10:00:01.250] x", "2026-12-09T10:00:01.250", 9839.0 * 86400 + 36001.25},
        {"  09.12.2026 10:00:01 x", "09.12.2026 10:00:01", 9839.0 * 86400 + 36001},
        {"2000-01-01 00:00:00", "2000-01-01 00:00:00", 0},
        {"23:59:59,5 x", "23:59:59,5", 86399.5},
        {"x 10:00:01", "", 0},
        {"24:00:00", "", 0},
        {"2026-13-09 10:00:01", "", 0},
        {"10:00:011", "", 0},
        {"", "", 0},
    };
    for (const auto& c : cases) {
        const LineTime time = TimeOf(c.line);
        EXPECT_EQ(time.text, c.text) << c.line;
        EXPECT_DOUBLE_EQ(time.seconds, c.seconds) << c.line;
    }
}

TEST(Scan, SaysTheStatusLineBeforeAndKeepsOnlyChangesWhenAsked)
{
    const std::vector<std::string> log = {"80 80 80 80 80 80", "error 0501", "80 80 80 80 80 80", "80 81 80 80 80 80"};
    for (const bool changesOnly : {false, true}) {
        LogScan scan(false, changesOnly);
        std::string said;
        for (std::size_t i = 0; i < log.size(); ++i) {
            scan.Line(log[i], i + 1, false, [&](const ScanRecord& record) {
                said += std::to_string(record.line) + (record.previous ? "+" : "") + ' ';
            });
        }
        EXPECT_EQ(said, changesOnly ? "1 2 4+ " : "1 2 3+ 4+ ") << changesOnly;
        EXPECT_EQ(scan.Count(), changesOnly ? 3u : 4u);
    }
}

TEST(TextLines, ReadsALineThatIsNotUtf8AsWindows1251WhenAsked)
{
    for (const bool fallback : {false, true}) {
        TextLines lines(64, fallback);
        const std::string text = "\xCE\xF8\xE8\xE1\xEA\xE0: 0E05\r\xD0\xB4\n";
        std::vector<std::string> read;
        for (const std::string_view piece : {std::string_view(text), std::string_view()}) {
            std::copy(piece.begin(), piece.end(), lines.Space().begin());
            lines.Took(piece.size());
            TextLines::Line line;
            while (lines.Next(line))
                read.emplace_back(line.text);
        }
        ASSERT_EQ(read.size(), 2u);
        EXPECT_EQ(read[0], fallback ? "Ошибка: 0E05" : text.substr(0, 12)) << fallback;
        EXPECT_EQ(read[1], "д");
    }
}

} // namespace
