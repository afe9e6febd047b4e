#include "core/LogTime.h"
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
        said += reading.kind == FoundReading::Kind::Status ? "S:" : reading.kind == FoundReading::Kind::Error ? "E:" : "U:";
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
        // No piece of a longer token, nor an address's value.
        {"uuid 3f2504e0-4f89-11d3-9a0c-a1b2c3d4e5f6", ""},
        {"ipv6 fe80::a4:83:e7:9c:b1:f2 up", ""},
        {"mac=A4:83:E7:9C:B1:F2 status: 80 80 80 80 83 91", "S:80 80 80 80 83 91"},
        {"HWaddr A4:83:E7:9C:B1:F2, bssid: a4-83-e7-9c-b1-f2", ""},
        {"{\"macAddress\":\"A4:83:E7:9C:B1:F2\"}", ""},
        {"dump 80 84 89 80 83 91-0a", ""},
        // Codes after a word that says error, in an identifier or not.
        {"ErrorCode=0501 lastError=0502 err_code=0503 errcode 0504", "E:0501 E:0502 E:0503 E:0504"},
        {"Ошибка №0501, ERR-0502, Код ошибки ККМ: 0503, error code: 0504", "E:0501 E:0502 E:0503 E:0504"},
        {"{\"errorCode\":\"0106\",\"код ошибки\":\"0B05\",\"status\":\"80 84 89 80 83 91\"}", "E:0106 E:0B05 S:80 84 89 80 83 91"},
        {"product code: 4607, cashier code 0001, tax code=0002, sale item code=4820, code page 1251", ""},
        {"errors today: 0, errorCount=0012, err_cnt: 0001", ""},
        {"2026-12-09 09:47:10.501 [ERROR] cmd 0x45 failed: ERR 0x0501", "E:0x0501"},
        // After a status word: any form regalo-decode reads, and what almost is one, named.
        {"22:10:15 ST=8080818083 91", "S:8080818083 91"},
        {"status: 80 80 80 80 83 8l", "U:80 80 80 80 83 8l"},
        {"State: 80 80 80 80 83.", "U:80 80 80 80 83"},
        {"статус 80 84 89 80 83 9С", "U:80 84 89 80 83 9С"},
        {"status: 80 84 89 80 83 91 00", "U:80 84 89 80 83 91 00"},
        {"error 0Е05 при печати", "U:0Е05"},
        {"status: ok, state=200 OK, error: none", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Found(c.line), c.found) << c.line;
    EXPECT_EQ(Found("link 00:1A:2B:3C:4D:5E", true), "S:00:1A:2B:3C:4D:5E");
}

// Each form a log writes its time in, written one way; the text as written kept.
TEST(Scan, ReadsTheTimeOfALineInAnyFormAndWritesItOneWay)
{
    const struct {
        const char* line;
        const char* time; // "" for none
        const char* asWritten;
    } cases[] = {
        {"2026-12-09 10:00:01 x", "2026-12-09 10:00:01", "2026-12-09 10:00:01"},
        {"[2026-12-09T10:00:01.25Z] x", "2026-12-09 10:00:01.250Z", "2026-12-09T10:00:01.25Z"},
        {"2026-12-09 10:00:01,5+03:00 x", "2026-12-09 10:00:01.500+03:00", "2026-12-09 10:00:01,5+03:00"},
        {"2026-12-09T10:00:01-0530 x", "2026-12-09 10:00:01-05:30", "2026-12-09T10:00:01-0530"},
        {"INFO 2026-12-09 10:00:01 x", "2026-12-09 10:00:01", "2026-12-09 10:00:01"},
        {"[WARN] 09.12.2026 10:00:01 x", "2026-12-09 10:00:01", "09.12.2026 10:00:01"},
        {"09.12.26 10:05 x", "2026-12-09 10:05:00", "09.12.26 10:05"},
        {"09-12-2026 10:00:01 x", "2026-12-09 10:00:01", "09-12-2026 10:00:01"},
        {"2026/12/09 10:00:01 x", "2026-12-09 10:00:01", "2026/12/09 10:00:01"},
        {"12/09/2026 10:05 PM x", "2026-12-09 22:05:00", "12/09/2026 10:05 PM"},
        {"12/09/2026 12:05:30 AM x", "2026-12-09 00:05:30", "12/09/2026 12:05:30 AM"},
        {"<134>Dec  9 10:00:07 host x", "2026-12-09 10:00:07", "Dec  9 10:00:07"},
        {"1796810401 x", "2026-12-09 10:00:01Z", "1796810401"},
        {"1796810401250 x", "2026-12-09 10:00:01.250Z", "1796810401250"},
        {"{\"level\":\"info\",\"@timestamp\":\"2026-12-09T10:00:01Z\",\"status\":\"x\"}", "2026-12-09 10:00:01Z", "2026-12-09T10:00:01Z"},
        {"{\"ts\":1796810401.5}", "2026-12-09 10:00:01.500Z", "1796810401.5"},
        {"23:59:59,5 x", "23:59:59.500", "23:59:59,5"},
        // No time: somewhere else in the line, out of range, or running on.
        {"x 10:00:01", "", ""},
        {"24:00:00", "", ""},
        {"2026-13-09 10:00:01", "", ""},
        {"10:00:011", "", ""},
        {"12/09/2026 10:05 x", "", ""},
        {"4607 items", "", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const LogTime time = TimeOfLine(c.line, 2026);
        EXPECT_EQ(TimeText(time), c.time) << c.line;
        EXPECT_EQ(time.text, c.asWritten) << c.line;
    }
    // Without a dated line before, a syslog date has no year: its clock stands.
    EXPECT_EQ(TimeText(TimeOfLine("Dec  9 10:00:07 host", 0)), "10:00:07");
}

TEST(Scan, SaysTheStatusLineBeforeAndKeepsOnlyChangesWhenAsked)
{
    const std::vector<std::string> log = {"80 80 80 80 80 80", "error 0501", "80 80 80 80 80 80", "80 81 80 80 80 80"};
    for (const bool changesOnly : {false, true}) {
        ScanChoices choices;
        choices.changesOnly = changesOnly;
        LogScan scan(choices);
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
