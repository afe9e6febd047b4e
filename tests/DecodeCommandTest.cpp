#include "CommandRun.h"
#include "cli/Command.h"
#include "core/Reading.h"
#include "core/Csv.h"
#include "core/ErrorCodes.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>

namespace {

std::string ReadAll(std::FILE* file)
{
    std::rewind(file);
    std::string text;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
        text.append(chunk, n);
    std::fclose(file);
    return text;
}

// The program's own words follow `system`, English unless a test asks.
CommandRun Decode(std::vector<std::string> arguments, const std::string& input = "",
                  const QStringList& system = {QStringLiteral("en-US")})
{
    std::FILE* in = std::tmpfile();
    std::fwrite(input.data(), 1, input.size(), in);
    std::fflush(in);
    std::rewind(in);
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int code = static_cast<int>(RunDecodeCommand(arguments, {fileno(in), fileno(out), fileno(err)}, system));
    std::fclose(in);
    return {code, ReadAll(out), ReadAll(err)};
}

TEST(StatusInput, AcceptsTheWaysLogsWriteBytes)
{
    const StatusBytes expected = {0x80, 0x8A, 0x89, 0xC0, 0x80, 0xFF};
    for (const char* form : {"80 8A 89 C0 80 FF", "80-8a-89-c0-80-ff", "80:8A:89:C0:80:FF", "808A89C080FF",
                             "  80 8a 89 c0 80 ff\r", "80\t8A  89 C0 80 FF", "808A 89C0 80FF",
                             "0x80 0x8a 0X89 0xC0 0x80 0xFF", "80,8A,89,C0,80,FF", "80; 8A; 89; C0; 80; FF",
                             "\n 80\t8A\t89\tC0\t80\tFF\r\n", "0x800x8A0x890xC00x800xFF"}) {
        StatusBytes bytes{};
        InputProblem problem{};
        EXPECT_TRUE(ParseStatusLine(form, bytes, problem)) << form;
        EXPECT_EQ(bytes, expected) << form;
    }
}

// What is wrong, as data: the kind, the position in characters, the count
// and the character; Words phrases it.
TEST(ValueInput, SaysWhatIsWrongAndWhere)
{
    using Kind = InputProblem::Kind;
    const struct {
        bool status;
        const char* input;
        Kind kind;
        std::size_t position;
        std::size_t count;
        const char* character;
    } cases[] = {
        {true, "80 80 89 80 80", Kind::ByteCount, 0, 5, ""},
        {true, "80 80 89 80 80 80 80", Kind::ByteCount, 0, 7, ""},
        {true, "", Kind::ByteCount, 0, 0, ""},
        {true, "80 80 8G 80 80 80", Kind::NotHexadecimal, 8, 0, "G"},
        {true, "80 80 8 80 80 80", Kind::OneDigit, 7, 0, ""},
        {true, "80/80/80/80/80/80", Kind::NotHexadecimal, 3, 0, "/"},
        {true, "80 80 80 80 80 80,", Kind::NotHexadecimal, 18, 0, ","},
        {true, "0x 80 80 80 80 80 80", Kind::NotHexadecimal, 2, 0, "x"},
        {false, "050", Kind::WrongLength, 0, 3, ""},
        {false, "05x1", Kind::NotHexadecimal, 3, 0, "x"},
        {false, "ЖЖ01", Kind::NotHexadecimal, 1, 0, "Ж"},
        {false, "1Ж", Kind::WrongLength, 0, 2, ""},
    };
    for (const auto& c : cases) {
        InputProblem problem{};
        StatusBytes bytes{};
        ErrorCode code{};
        EXPECT_FALSE(c.status ? ParseStatusLine(c.input, bytes, problem) : ParseErrorCode(c.input, code, problem)) << c.input;
        EXPECT_EQ(problem.kind, c.kind) << c.input;
        EXPECT_EQ(problem.position, c.position) << c.input;
        EXPECT_EQ(problem.count, c.count) << c.input;
        EXPECT_EQ(problem.text, c.character) << c.input;
    }
    ErrorCode code{};
    InputProblem problem{};
    ASSERT_TRUE(ParseErrorCode("0c05", code, problem));
    EXPECT_EQ(code.detail, 12);
    EXPECT_EQ(code.errorClass, 5);
}

TEST(DecodeCommand, DecodesOneValue)
{
    CommandRun status = Decode({"status", "80", "80", "89", "80", "80", "80"});
    EXPECT_EQ(status.exitCode, 0);
    EXPECT_NE(status.out.find("  (8) Текущее состояние чека\n"), std::string::npos);
    // The labels speak the output's language, Russian unless --lang en.
    EXPECT_NE(status.out.find("состояние чека: 9. Режим АННУЛИРОВАНИЕ\n"), std::string::npos);

    CommandRun error = Decode({"error", "0501"});
    EXPECT_EQ(error.exitCode, 0);
    EXPECT_EQ(error.out, "Ошибка оборудования!\n Ошибка дисплея!\n");
    EXPECT_EQ(error.err, "");

    // A code the catalogue has no text for is named, as the window names it.
    CommandRun empty = Decode({"error", "0100"});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "Код 0100: описания нет\n");
    EXPECT_EQ(empty.err, "");
}

// The explanation in a few words, and what changed between two readings,
// exit codes as cmp gives them.
TEST(DecodeCommand, BriefAndDiffSpeakInWords)
{
    const struct {
        std::vector<std::string> arguments;
        std::string input;
        int exitCode;
        std::string out;
    } cases[] = {
        {{"error", "--brief", "0501"}, "", 0, "0501: Ошибка оборудования! Ошибка дисплея!\n"},
        {{"error", "0x0501"}, "", 0, "Ошибка оборудования!\n Ошибка дисплея!\n"},
        {{"--lang", "en", "error", "5010"}, "", 0, "Code 5010: no description\n"},
        {{"error", "--json", "5010"}, "", 0,
         "{\"class\":16,\"described\":false,\"detail\":80,\"input\":\"5010\",\"knownClass\":false,\"message\":null}\n"},
        {{"error", "--json", "-"}, "5010\n0x5010\n", 0,
         "{\"class\":16,\"described\":false,\"detail\":80,\"input\":\"5010\",\"knownClass\":false,\"message\":null}\n"
         "{\"class\":16,\"described\":false,\"detail\":80,\"input\":\"0x5010\",\"knownClass\":false,\"message\":null}\n"},
        {{"error", "--csv", "-"}, "5010\n", 0, "input,code,class,detail,knownClass,message,error\n5010,5010,16,80,false,Код 5010: описания нет,\n"},
        {{"error", "--brief", "-"}, "5010\nx\n", 1, "Код 5010: описания нет\nx\t! wrong length: 1 character instead of 4\n"},
        {{"status", "--brief", "-"}, "80 80 89 80 80 80\n", 0,
         "80 80 89 80 80 80\tСтатус регистратора - байт 2 (состояние чека): (1) Состояние чека; (8) Текущее состояние чека"
         "\tСостояние чека: 9. Режим АННУЛИРОВАНИЕ\n"},
        {{"--lang", "en", "diff", "808080808080", "80 80 80 80 80 80"}, "", 0,
         "80 80 80 80 80 80 → 80 80 80 80 80 80\nNo change\nReceipt state: 0. Document closed\n"},
        {{"diff", "--csv", "80 80 80 80 80 80", "80 80 81 80 80 80"}, "", 1,
         "change,byte,bit,value,caption\nset,2,0,1,(1) Состояние чека\nreceipt state before,2,0-3,0,0. Документ закрыт\n"
         "receipt state after,2,0-3,1,1. Отпечатан заголовок чека\n"},
    };
    for (const auto& c : cases) {
        const CommandRun run = Decode(c.arguments, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.front() << run.err;
        EXPECT_EQ(run.out, c.out) << c.arguments.front();
    }
    const QJsonObject json = QJsonDocument::fromJson(
        QByteArray::fromStdString(Decode({"diff", "--json", "80 84 80 80 80 80", "80 80 80 80 80 80"}).out)).object();
    EXPECT_EQ(json["same"].toBool(true), false);
    EXPECT_EQ(json["changes"].toArray()[0].toObject()["set"].toBool(true), false);
}

TEST(DecodeCommand, ExitCodesTellBadInputFromMisuse)
{
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* errContains;
    } cases[] = {
        {{"error", "05G1"}, 1, "\"05G1\": non-hexadecimal character 'G' at position 3"},
        {{"status", "80 80"}, 1, "wrong number of bytes: 2 instead of 6"},
        {{}, 2, "Usage:"},
        {{"decode"}, 2, "unknown command \"decode\""},
        {{"--lang", "en"}, 2, "say what to decode: status, error, list, diff or scan"},
        {{"error"}, 2, "needs a value"},
        {{"error", "0501", "0502"}, 2, "error takes one code"},
        {{"error", "0501", "0000", "--csv"}, 2, "error takes one code"},
        {{"list", "codes"}, 2, "nothing to list"},
        {{"status", "--csv", "--excel", "808080808080"}, 2, "--brief, --json, --csv and --excel exclude each other"},
        {{"diff", "80 80 80 80 80 80"}, 2, "diff compares two status lines"},
        {{"diff", "80 80 80 80 80 80", "80 80"}, 2, "\"80 80\": wrong number of bytes: 2 instead of 6"},
        {{"--frobnicate"}, 2, "unknown option \"--frobnicate\""},
        {{"error", "--", "-h"}, 1, "\"-h\": wrong length"},
        // Shown as given, and refused alike in text and JSON.
        {{"error", "\xd0\xee" "01"}, 1, "\"\\xd0\\xee01\": a non-hexadecimal character at position 1"},
        {{"error", "--json", "\xef\xbb\xbf" "0501"}, 1, "\"\\u{FEFF}0501\": wrong length: 5 characters"},
        {{"error", "\xef\xbb\xbf" "0501"}, 1, "\"\\u{FEFF}0501\": wrong length: 5 characters"},
        {{"decode\xff"}, 2, "unknown command \"decode\\xff\""},
        {{"status", "--changes", "80 80 80 80 80 80"}, 2, "--changes, --any, --since, --until, --summary and --follow are for scan"},
        {{"scan", "--follow", "a.log", "b.log"}, 2, "--follow follows one log file: name it"},
        {{"scan", "--since", "yesterday"}, 2, "--since \"yesterday\": not a time"},
        // A log without readings, and one that cannot be read, are no success.
        {{"scan"}, 1, "no status line or error code in the log"},
        {{"scan", "/nonexistent/shift.log", "-"}, 1, "\"/nonexistent/shift.log\": read error"},
    };
    for (const auto& c : cases) {
        CommandRun run = Decode(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_NE(run.err.find(c.errContains), std::string::npos) << run.err;
        // A usage error is found before anything is written.
        if (c.exitCode == 2) {
            EXPECT_EQ(run.out, "") << run.err;
        }
    }
    EXPECT_EQ(Decode({"--help"}).exitCode, 0);
    EXPECT_EQ(Decode({"--version"}).out.rfind("regalo-decode ", 0), 0u);
}

TEST(DecodeCommand, StreamsOneResultPerLine)
{
    // A line each, a blank or bad one too, so that the answers line up with the input.
    CommandRun run = Decode({"error", "-"}, "0501\n\n0009\nbad\n0000\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "0501\tОшибка оборудования!\\n Ошибка дисплея!\n\n0009\tНе обнулено!Не очищено!\n"
                       "bad\t! wrong length: 3 characters instead of 4\n0000\tБез ошибок!\n");
    EXPECT_NE(run.err.find("\"bad\": wrong length"), std::string::npos);
    EXPECT_EQ(Decode({"error", "-", "--json"}, "\n0000\n").out.rfind("{\"input\":\"\"}\n{", 0), 0u);

    CommandRun status = Decode({"status", "-"}, "80 80 89 80 80 80\r\n80-81-80-80-80-80\n");
    EXPECT_EQ(status.exitCode, 0);
    EXPECT_EQ(std::count(status.out.begin(), status.out.end(), '\n'), 2);
}

// What Windows tools save: a UTF-8 byte-order mark, UTF-16 after its mark
// (PowerShell's >), CR LF or a lone CR.
TEST(DecodeCommand, StreamsReadWhatWindowsToolsWrite)
{
    const std::string two = "0501\tОшибка оборудования!\\n Ошибка дисплея!\n0000\tБез ошибок!\n";
    const struct {
        const char* name;
        std::string input;
        std::string out;
        const char* errHolds; // nullptr: nothing on standard error
    } cases[] = {
        {"UTF-8 with its mark", "\xEF\xBB\xBF" "0501\r\n0000\r\n", two, nullptr},
        {"UTF-16 LE", Utf16(u"0501\r\n0000\r\n", true), two, nullptr},
        {"UTF-16 BE", Utf16(u"0501\r\n0000", false), two, nullptr},
        {"lone CR", "0501\r0000\r", two, nullptr},
        {"lone surrogate", Utf16(u"0\xD801\n0000\n", true), "0\\xed\\xa0\\x81\t! ", "line 1: \"0\\xed\\xa0\\x81\""},
        {"UTF-16 LE without its mark", std::string("0\0" "5\0" "0\0" "1\0" "\r\0\n\0" "0\0" "0\0" "0\0" "0\0", 20), two, nullptr},
        {"UTF-16 BE without its mark", std::string("\0" "0\0" "5\0" "0\0" "1\0\n\0" "0\0" "0\0" "0\0" "0", 18), two, nullptr},
        {"UTF-16 with a stray byte", Utf16(u"0501", true) + "0", "0501\xEF\xBF\xBD\t! ", "line 1: \"0501\xEF\xBF\xBD\""},
    };
    for (const auto& c : cases) {
        const CommandRun run = Decode({"error", "-"}, c.input);
        EXPECT_EQ(run.out.substr(0, c.out.size()), c.out) << c.name;
        EXPECT_EQ(run.exitCode, c.errHolds ? 1 : 0) << c.name;
        if (c.errHolds)
            EXPECT_NE(run.err.find(c.errHolds), std::string::npos) << c.name << ": " << run.err;
        else
            EXPECT_EQ(run.err, "") << c.name;
    }
}

// CSV for scripts and for Excel (a byte-order mark, semicolons, CR LF), for
// the catalogue and for decoded values alike: a header, then a row a value.
TEST(DecodeCommand, TablesForScriptsAndSpreadsheets)
{
    const struct {
        std::vector<std::string> arguments;
        std::string input;
        std::string outStarts;
    } cases[] = {
        {{"list", "errors", "--excel"}, "", "\xEF\xBB\xBF" "code;class;detail;form;message\r\n\"=\"\"0000\"\"\";0;0;\"=\"\"no error\"\"\";\"=\"\"Без ошибок!\"\"\"\r\n"},
        {{"error", "-", "--csv"}, "0501\nbad\n0x0501\n",
         "input,code,class,detail,knownClass,message,error\n0501,0501,1,5,true,\"Ошибка оборудования!\n Ошибка дисплея!\",\n"
         "bad,,,,,,wrong length: 3 characters instead of 4\n0x0501,0501,1,5,true,\"Ошибка оборудования!\n"},
        {{"status", "-", "--csv"}, "80 80 89 80 80 81\n",
         "input,hex,receiptState,receiptStateCaption,flags,error\n80 80 89 80 80 81,80 80 89 80 80 81,9,9. Режим АННУЛИРОВАНИЕ,\"0.7 (80)"},
        // Excel keeps text as text, and what came in can never start a formula.
        {{"status", "--excel", "80;80;89;80;80;81"}, "",
         "\xEF\xBB\xBF" "input;hex;receiptState;receiptStateCaption;flags;error\r\n"
         "\"=\"\"80;80;89;80;80;81\"\"\";\"=\"\"80 80 89 80 80 81\"\"\";9;\"=\"\"9. Режим АННУЛИРОВАНИЕ\"\"\";\"0.7 (80) Всегда установлен\n"},
        // A log's readings, each with its line, time, kind and what changed.
        {{"scan", "--csv"}, "10:00:01 err 0x0501\n= 80 80 80 80 80 80\n2026-12-09 10:00:03 80-81-80-80-80-80\n",
         "file,line,time,kind,input,hex,receiptState,receiptStateCaption,flags,code,class,detail,knownClass,message,changes,error\n"
         ",1,10:00:01,error,0x0501,,,,,0501,1,5,true,\"Ошибка оборудования!\n Ошибка дисплея!\",,\n"
         ",2,,status,80 80 80 80 80 80,80 80 80 80 80 80,0,0. Документ закрыт,\"0.7 (80) Всегда установлен\n"},
        {{"scan", "--csv"}, "09.12.26 10:00 status: 80 80 80 80 83\n",
         "file,line,time,kind,input,hex,receiptState,receiptStateCaption,flags,code,class,detail,knownClass,message,changes,error\n"
         ",1,2026-12-09 10:00:00,unreadable,80 80 80 80 83,,,,,,,,,,,wrong number of bytes: 5 instead of 6\n"},
        {{"scan", "--excel", "--changes"}, "80 80 80 80 80 80\r\n80 80 80 80 80 80\r\nerror =01A2\r\n",
         "\xEF\xBB\xBF" "file;line;time;kind;input;hex;receiptState;receiptStateCaption;flags;code;class;detail;knownClass;message;changes;error\r\n"
         ";1;;\"=\"\"status\"\"\";\"=\"\"80 80 80 80 80 80\"\"\";"},
        {{"error", "-", "--csv"}, "=1+1\n-2+3\n@SUM(1)\n\x1b\xff\n",
         "input,code,class,detail,knownClass,message,error\n'=1+1,,,,,,non-hexadecimal character '=' at position 1\n"
         "'-2+3,,,,,,non-hexadecimal character '-' at position 1\n'@SUM(1),,,,,,wrong length: 7 characters instead of 4\n"
         "\\x1b\\xff,,,,,,wrong length: 2 characters instead of 4\n"},
    };
    for (const auto& c : cases) {
        const CommandRun run = Decode(c.arguments, c.input);
        EXPECT_EQ(run.out.substr(0, c.outStarts.size()), c.outStarts) << c.arguments.front();
    }
}

// The first status line in full, then what changed; files named when there
// are several, each read from its own start.
TEST(DecodeCommand, ScanWritesAReadingALine)
{
    const std::string log = "[09.12.2026 10:00:01] <- 80 80 80 80 80 80\n10:00:02 ERR 0x0601 80-81-80-80-80-80\n";
    const CommandRun run = Decode({"scan", "-", "-"}, log);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "-\t1\t2026-12-09 10:00:01\t80 80 80 80 80 80\tСостояние чека: 0. Документ закрыт\n"
                       "-\t2\t10:00:02\t0601\tОшибка оборудования!\\n Ошибка часов, необходимо скорректировать время!\n"
                       "-\t2\t10:00:02\t80 81 80 80 80 80\tСтатус регистратора - байт 1 (состояние принтера): + (1) "
                       "Заканчивается чековая лента\tСостояние чека: 0. Документ закрыт\n");
    const CommandRun json = Decode({"scan", "--json", "--changes"}, log + "80 81 80 80 80 80\n");
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 3) << json.out;
    const QJsonObject last = QJsonDocument::fromJson(QByteArray::fromStdString(json.out.substr(json.out.find("\n{\"bytes") + 1)).split('\n')[0]).object();
    EXPECT_EQ(last.keys(), QStringList({"bytes", "changes", "flags", "hex", "input", "kind", "line", "receiptState", "time", "timeText"}));
    EXPECT_EQ(last["changes"].toObject()["changes"].toArray().size(), 1);
}

// Logs named on the command line, read in turn, each named in its records:
// UTF-16 and Windows-1251 with lone CRs, as Windows programs write them.
TEST(DecodeCommand, ScanReadsNamedLogs)
{
    const std::string logs = REGALO_TEST_LOGS;
    const CommandRun run = Decode({"scan", logs + "/utf16.log", logs + "/cp1251.log"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 6) << run.out;
    EXPECT_NE(run.out.find(logs + "/cp1251.log\t2\t2026-12-09 12:00:01\t0501\t"), std::string::npos) << run.out;
}

// What cannot be read is named where it stands, every time is written one
// way, and a span keeps what lies in it.
TEST(DecodeCommand, ScanNamesWhatItCannotReadAndKeepsTheSpanAsked)
{
    const std::string log = "2026-12-09T09:59:59.5+03:00 status=80 80 80 80 83 91\n"
                            "10:00:01 status: 80 80 80 80 83 8l\n"
                            "10:00:02 ERR-0501\n"
                            "{\"ts\":1796810403,\"errorCode\":\"0106\"}\n";
    const struct {
        std::vector<std::string> arguments;
        const char* out;
        int exitCode;
    } cases[] = {
        {{"scan", "--brief"},
         "1\t2026-12-09 09:59:59.500+03:00\t80 80 80 80 83 91\tСтатус регистратора - байт 4 (фискальная память): (1) Заводской номер "
         "запрограммирован; (2) Регистратор фискализирован\tСтатус регистратора - байт 5 (дополнительные статусы): (1) Денежный ящик "
         "закрыт; (10) Смена открыта\tСостояние чека: 0. Документ закрыт\n"
         "2\t10:00:01\t80 80 80 80 83 8l\t! non-hexadecimal character 'l' at position 17\n"
         "3\t10:00:02\t0501\tОшибка оборудования!\\n Ошибка дисплея!\n"
         "4\t2026-12-09 10:00:03Z\t0106\tНеверный пароль доступа!\n",
         0},
        {{"scan", "--changes", "--since", "10:00:01", "--until", "2026-12-09 10:00:02"},
         "2\t10:00:01\t80 80 80 80 83 8l\t! non-hexadecimal character 'l' at position 17\n3\t10:00:02\t0501\tОшибка оборудования!\\n Ошибка дисплея!\n",
         0},
        {{"scan", "--since", "2027-01-01"}, "", 1},
    };
    for (const auto& c : cases) {
        const CommandRun run = Decode(c.arguments, log);
        EXPECT_EQ(run.out, c.out) << c.arguments.back();
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.back() << run.err;
    }
    const QJsonObject unreadable = QJsonDocument::fromJson(QByteArray::fromStdString(Decode({"scan", "--json"}, log).out).split('\n')[1]).object();
    EXPECT_EQ(unreadable["kind"].toString(), "unreadable");
    EXPECT_EQ(unreadable["error"].toString(), "non-hexadecimal character 'l' at position 17");
    EXPECT_EQ(unreadable["timeText"].toString(), "10:00:01");
#ifndef _WIN32
    // A file's name reaches no terminal as a command (Windows allows no
    // control character in a name).
    QTemporaryDir folder;
    const std::string named = folder.path().toStdString() + "/shift\x1b]0;title\x07.log";
    std::FILE* file = std::fopen(named.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fputs(log.c_str(), file);
    std::fclose(file);
    const CommandRun two = Decode({"scan", named, named});
    EXPECT_EQ(two.exitCode, 0) << two.err;
    EXPECT_EQ(two.out.find('\x1b'), std::string::npos);
    EXPECT_NE(two.out.find("shift\\x1b]0;title\\x07.log\t1\t"), std::string::npos) << two.out;
#endif
}

TEST(DecodeCommand, StreamedStatusLineNamesEachSetFlagAndTheState)
{
    const CommandRun run = Decode({"status", "-"}, "80 80 89 80 80 c1\n");
    EXPECT_EQ(run.out, "80 80 89 80 80 C1\t0.7 (80) Всегда установлен\t1.7 (80) Всегда установлен"
                       "\t2.0 (1) Состояние чека\t2.3 (8) Текущее состояние чека\t2.7 (80) Всегда установлен"
                       "\t3.7 (80) Всегда установлен\t4.7 (80) Всегда установлен\t5.0 (1) Денежный ящик закрыт"
                       "\t5.6 (40) До конца смены(24 часа) осталось меньше 60 минут\t5.7 (80) Всегда установлен"
                       "\t9. Режим АННУЛИРОВАНИЕ\n");
}

TEST(DecodeCommand, JsonFlagValuesAreTheirBits)
{
    const CommandRun run = Decode({"status", "--json", "01 02 04 08 10 60"});
    QStringList flags;
    for (const QJsonValue& flag : QJsonDocument::fromJson(QByteArray::fromStdString(run.out))["flags"].toArray())
        flags << QStringLiteral("%1.%2=%3").arg(flag["byte"].toInt()).arg(flag["bit"].toInt()).arg(flag["value"].toInt());
    EXPECT_EQ(flags.join(' '), "0.0=1 1.1=2 2.2=4 3.3=8 4.4=16 5.5=32 5.6=64");
}

TEST(CsvField, QuotesOnlyWhatNeedsIt)
{
    const std::pair<const char*, const char*> cases[] = {
        {"plain", "plain"}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""}, {"two\nlines", "\"two\nlines\""}};
    for (const auto& [text, field] : cases)
        EXPECT_EQ(CsvField(text), field);
}

TEST(DecodeCommand, JsonIsValidAndComplete)
{
    CommandRun run = Decode({"status", "-", "--json"}, "80 80 89 80 80 C0\n80 80\n");
    QStringList lines = QString::fromStdString(run.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    QJsonParseError parseError{};
    const QJsonObject status = QJsonDocument::fromJson(lines[0].toUtf8(), &parseError).object();
    ASSERT_EQ(parseError.error, QJsonParseError::NoError);
    EXPECT_EQ(status["hex"].toString(), "80 80 89 80 80 C0");
    EXPECT_EQ(status["receiptState"].toObject()["value"].toInt(), 9);
    const QJsonArray flags = status["flags"].toArray();
    ASSERT_EQ(flags.size(), 9);
    const QJsonObject last = flags.last().toObject();
    EXPECT_EQ(last["byte"].toInt(), 5);
    EXPECT_EQ(last["bit"].toInt(), 7);
    EXPECT_EQ(flags[flags.size() - 2].toObject()["caption"].toString(),
              "(40) До конца смены(24 часа) осталось меньше 60 минут");
    const QJsonObject bad = QJsonDocument::fromJson(lines[1].toUtf8()).object();
    EXPECT_EQ(bad["input"].toString(), "80 80");
    EXPECT_FALSE(bad["error"].toString().isEmpty());

    CommandRun error = Decode({"error", "--json", "0305"});
    const QJsonObject decoded = QJsonDocument::fromJson(QByteArray::fromStdString(error.out)).object();
    EXPECT_EQ(decoded["message"].toString(),
              "Ошибка фискальной памяти!\n Дата текущей записи более ранняя \n   чем дата предыдущей записи!");
    EXPECT_EQ(decoded["class"].toInt(), 5);
    EXPECT_EQ(decoded["detail"].toInt(), 3);
}

TEST(DecodeCommand, ErrorListingAgreesWithTheDecoder)
{
    CommandRun run = Decode({"list", "errors", "--json"});
    QJsonParseError parseError{};
    const QJsonArray classes = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &parseError).array();
    ASSERT_EQ(parseError.error, QJsonParseError::NoError);
    ASSERT_EQ(static_cast<std::size_t>(classes.size()), ErrorCatalogue.size());
    std::size_t details = 0;
    for (const QJsonValue& entry : classes) {
        for (const QJsonValue& detail : entry.toObject()["details"].toArray()) {
            std::string message;
            ASSERT_TRUE(DecodeErrorCode(detail["code"].toString().toStdString(), message));
            EXPECT_EQ(QString::fromStdString(message), detail["message"].toString());
            ++details;
        }
    }
    // Each listed detail, and one line for each class without any.
    std::size_t expected = 0;
    for (const ErrorClass& errorClass : ErrorCatalogue)
        expected += std::max<std::size_t>(errorClass.details.size(), 1);
    EXPECT_EQ(details, expected);

    CommandRun csv = Decode({"list", "errors", "--csv"});
    EXPECT_EQ(csv.out.rfind("code,class,detail,form,message\n0000,0,0,no error,Без ошибок!\n", 0), 0u);
    EXPECT_NE(csv.out.find("0301,1,3,header and detail,\"Ошибка оборудования!\n Ошибка контрольной суммы памяти программы!\"\n"),
              std::string::npos);
}

TEST(DecodeCommand, FlagListingHoldsEveryFlagAndState)
{
    CommandRun text = Decode({"list", "flags"});
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 48 + 16);
    CommandRun csv = Decode({"list", "flags", "--csv"});
    EXPECT_NE(csv.out.find("flag,1,0,1,(1) Заканчивается чековая лента\n"), std::string::npos);
    EXPECT_NE(csv.out.find("receipt state,2,0-3,7,7. Открыт чек  внесения/изъятия\n"), std::string::npos);
    CommandRun json = Decode({"list", "flags", "--json"});
    const QJsonObject all = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(all["flags"].toArray().size(), 48);
    EXPECT_EQ(all["receiptStates"].toArray().size(), 16);
}

} // namespace

namespace {

// Whether a diagnostic could act on a terminal: a control byte other than
// the line feed, or bytes that are not UTF-8.
bool HoldsRawBytes(const std::string& text, std::string_view allowed = "\n")
{
    for (unsigned char c : text) {
        if ((c < 0x20 && allowed.find(static_cast<char>(c)) == std::string_view::npos) || c == 0x7F)
            return true;
    }
    return QString::fromUtf8(text).toUtf8().toStdString() != text;
}

TEST(HostileInput, IsRefusedSafelyAndTheStreamGoesOn)
{
    const std::string longLine(5000, '8');
    const struct {
        const char* command;
        std::string input;
        const char* outHolds;
        const char* errHolds;
    } cases[] = {
        {"error", "\x1b]0;PWNED\x07\x1b[2J0501\n0501\n", "0501\t",
         "line 1: \"\\x1b]0;PWNED\\x07\\x1b[2J0501\": wrong length: 18 characters instead of 4"},
        {"error", "\xfd\xfe" "01\n", "", "line 1: \"\\xfd\\xfe01\": a non-hexadecimal character at position 1"},
        {"error", "ЖЖ01\n1Ж\na\n", "", "line 3: \"a\": wrong length: 1 character instead of 4"},
        {"error", "1Ж\n", "", "\"1Ж\": wrong length: 2 characters instead of 4"},
        {"error", "05\u202e10\n", "", "\"05\\u{202E}10\": wrong length: 5 characters instead of 4"},
        {"error", "\u200b0501\n", "", "\"\\u{200B}0501\": wrong length: 5 characters instead of 4"},
        {"status", "80 80 89 80 80 8Ж\n", "", "a non-hexadecimal character at position 17"},
        {"error", longLine + "\n0501\n", "0501\t", "line 1: \"8888"},
        {"error", longLine + "\n0501\n", "", "…\": line too long: over 4096 bytes; skipped"},
        {"status", longLine, "", "line too long"},
        {"error", std::string(100, 'x') + "\n", "", "xxxx…\": wrong length: 100 characters instead of 4"},
        {"error", "\uFFFE01\n", "", "\"\\u{FFFE}01\": wrong length"},
        {"error", "0501\n\xff\xfe\n\xc3\n", "0501\t", "line 3: \"\\xc3\""},
    };
    for (const auto& c : cases) {
        for (const char* format : {"--text", "--json", "--csv", "--excel"}) {
            const bool json = std::string_view(format) == "--json";
            std::vector<std::string> arguments{c.command, "-"};
            if (std::string_view(format) != "--text")
                arguments.push_back(format);
            const CommandRun run = Decode(arguments, c.input);
            const std::string where = std::string(c.command) + ' ' + format + ": " + c.errHolds;
            EXPECT_EQ(run.exitCode, 1) << where;
            EXPECT_NE(run.err.find(c.errHolds), std::string::npos) << where << "\n" << run.err;
            EXPECT_FALSE(HoldsRawBytes(run.err)) << where;
            if (!json) {
                // Every byte written is what it says: UTF-8, no control character.
                const std::string_view out = std::string_view(run.out).substr(run.out.starts_with("\xEF\xBB\xBF") ? 3 : 0);
                EXPECT_FALSE(HoldsRawBytes(std::string(out), "\t\r\n")) << where << "\n" << run.out;
                if (arguments.size() == 2) {
                    EXPECT_NE(run.out.find(c.outHolds), std::string::npos) << where;
                }
                continue;
            }
            for (const QByteArray& line : QByteArray::fromStdString(run.out).split('\n')) {
                QJsonParseError error{};
                if (!line.isEmpty()) {
                    EXPECT_TRUE(QJsonDocument::fromJson(line, &error).isObject()) << where << ": " << line.toStdString();
                }
            }
        }
    }
    const CommandRun option = Decode({"--\x1b]0;PWNED\x07"});
    EXPECT_EQ(option.exitCode, 2);
    EXPECT_FALSE(HoldsRawBytes(option.err)) << option.err;
}

} // namespace

namespace {

// The program's own words: Russian, with its three plural forms, unless the
// system speaks English or --lang says otherwise; a typo gets three lines.
TEST(DecodeLanguage, OwnWordsFollowTheSystem)
{
    const QStringList russian{QStringLiteral("ru-RU")};
    const QStringList english{QStringLiteral("en-US")};
    const struct {
        QStringList system;
        std::vector<std::string> arguments;
        std::string input;
        const char* err;
    } cases[] = {
        {russian, {"error", "1"}, "", "regalo-decode: \"1\": неверная длина: 1 символ вместо 4\n"},
        {russian, {"error", "12"}, "", "regalo-decode: \"12\": неверная длина: 2 символа вместо 4\n"},
        {QLocale::c().uiLanguages(), {"error", "12345"}, "", "regalo-decode: \"12345\": неверная длина: 5 символов вместо 4\n"},
        {russian, {"error", "-"}, "0501\n05G1\n", "regalo-decode: строка 2: \"05G1\": недопустимый символ «G» на позиции 3\n"},
        {russian, {"error", "05С1"}, "", "regalo-decode: \"05С1\": кириллическая «С» на позиции 3 — нужна латинская C\n"},
        {english, {"status", "80 80 80 80 80 8е"}, "", "regalo-decode: \"80 80 80 80 80 8е\": Cyrillic 'е' at position 17: a Latin e is needed\n"},
        {russian, {"stauts", "80"}, "",
         "regalo-decode: неизвестная команда \"stauts\"\nможет быть, status?\nСправка: regalo-decode --help\n"},
        {russian, {"list", "errors", "--jsno"}, "",
         "regalo-decode: неизвестный параметр \"--jsno\"\nможет быть, --json?\nСправка: regalo-decode --help\n"},
        {english, {"error", "1"}, "", "regalo-decode: \"1\": wrong length: 1 character instead of 4\n"},
        {english, {"stauts", "80"}, "", "regalo-decode: unknown command \"stauts\"\ndid you mean status?\nUsage: regalo-decode --help\n"},
        {russian, {"--lang", "en", "frobnicate"}, "", "regalo-decode: unknown command \"frobnicate\"\nUsage: regalo-decode --help\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decode(c.arguments, c.input, c.system).err, c.err) << c.arguments.front();
    EXPECT_EQ(Decode({"--help"}, "", russian).out.rfind("Использование:", 0), 0u);
}

TEST(DecodeLanguage, RussianUnlessAskedWhateverTheSystemSpeaks)
{
    const struct {
        QStringList arguments;
        const char* out;
    } cases[] = {
        {{"error", "0501"}, "Ошибка оборудования!\n Ошибка дисплея!\n"},
        {{"error", "--lang", "en", "0501"}, "Hardware error!\n Display error!\n"},
        {{"status", "--json", "--lang", "en", "80 80 80 80 80 C0"},
         "{\"bytes\":[128,128,128,128,128,192],\"flags\":[{\"bit\":7,\"byte\":0,\"caption\":\"(80) Always set\",\"value\":128},"
         "{\"bit\":7,\"byte\":1,\"caption\":\"(80) Always set\",\"value\":128},{\"bit\":7,\"byte\":2,\"caption\":\"(80) Always "
         "set\",\"value\":128},{\"bit\":7,\"byte\":3,\"caption\":\"(80) Always set\",\"value\":128},{\"bit\":7,\"byte\":4,\"caption\":"
         "\"(80) Always set\",\"value\":128},{\"bit\":6,\"byte\":5,\"caption\":\"(40) Less than 60 minutes left of the shift (24 "
         "hours)\",\"value\":64},{\"bit\":7,\"byte\":5,\"caption\":\"(80) Always set\",\"value\":128}],\"hex\":\"80 80 80 80 80 "
         "C0\",\"input\":\"80 80 80 80 80 C0\",\"receiptState\":{\"caption\":\"0. Document closed\",\"value\":0}}\n"},
    };
    for (const auto& c : cases) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANG", "LC_ALL", "LC_MESSAGES"})
            environment.insert(QString::fromLatin1(name), QStringLiteral("en_US.UTF-8"));
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(REGALO_DECODE), c.arguments);
        ASSERT_TRUE(program.waitForFinished(10000));
        EXPECT_EQ(program.readAllStandardOutput().toStdString(), c.out) << c.arguments.join(' ').toStdString();
    }
}

} // namespace

namespace {

// A shift's log in a few numbers: codes with their counts and times, each
// flag that changed with how long it stood set, the receipt states.
TEST(DecodeCommand, SummarizesALogInEveryFormat)
{
    const std::string log = std::string(REGALO_TEST_LOGS) + "/shift.log";
    const CommandRun text = Decode({"scan", "--summary", "--lang", "en", log});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out.substr(0, text.out.find("Error codes:")),
              "Readings: 11 (status lines: 7, error codes: 4, unreadable: 0)\nTime: 2026-12-09 09:58:12.181 – 2026-12-09 10:00:17\n");
    EXPECT_NE(text.out.find("  0E05 ×1, 2026-12-09 10:00:08 – 2026-12-09 10:00:08: Fiscal memory error! The time being set is earlier "
                            "than the current time!\n"),
              std::string::npos)
        << text.out;
    // Paper out from 10:00:01.250 to 10:00:11, and again from 10:00:14 to the end at 10:00:17.
    EXPECT_NE(text.out.find("  byte 1: (4) Out of receipt paper: set 2, cleared 1; first set 2026-12-09 10:00:01.250, last cleared "
                            "2026-12-09 10:00:11; set for 0:00:12 in all\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Receipt states:\n  8. Spare: 1\n  9. VOID mode: 6\n"), std::string::npos) << text.out;

    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(Decode({"scan", "--summary", "--json", log}).out)).object();
    EXPECT_EQ(json["readings"].toInt(), 11);
    EXPECT_EQ(json["codes"].toArray().size(), 4);
    EXPECT_EQ(json["flags"].toArray()[0].toObject()["msSet"].toInt(), 12750);
    EXPECT_EQ(json["receiptStates"].toArray()[1].toObject()["count"].toInt(), 6);

    const std::string csv = Decode({"scan", "--summary", "--csv", log}).out;
    EXPECT_EQ(csv.substr(0, csv.find('\n', csv.find('\n') + 1)),
              "kind,code,byte,bit,value,caption,count,set,cleared,first,last,msSet\n"
              "readings,,,,,,11,,,2026-12-09 09:58:12.181,2026-12-09 10:00:17,");
    EXPECT_NE(csv.find("\nflag,,1,2,4,(4) Закончилась чековая лента,,2,1,2026-12-09 10:00:01.250,2026-12-09 10:00:11,12750\n"),
              std::string::npos)
        << csv;
}

// A growing log: each reading out within a second of its line, across a
// rotation and a truncation; Ctrl-C ends it with 0 and the summary.
TEST(DecodeCommand, FollowsAGrowingLog)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("driver.log");
    const auto write = [&](const QString& file, const char* text, QIODevice::OpenMode mode) {
        QFile log(file);
        ASSERT_TRUE(log.open(mode));
        log.write(text);
    };
    write(path, "2026-12-09 10:00:00 ST: 80 84 89 80 83 91\n", QIODevice::WriteOnly);
    QProcess follower;
    follower.start(QString::fromUtf8(REGALO_DECODE), {"scan", "--follow", "--brief", path});
    ASSERT_TRUE(follower.waitForStarted());
    std::string out;
    const auto readsWithinASecond = [&](const std::string& expected) {
        QElapsedTimer waited;
        waited.start();
        while (out.find(expected) == std::string::npos && waited.elapsed() < 1000) {
            follower.waitForReadyRead(100);
            out += follower.readAllStandardOutput().toStdString();
        }
        return out.find(expected) != std::string::npos;
    };
    EXPECT_TRUE(readsWithinASecond("1\t2026-12-09 10:00:00\t80 84 89 80 83 91\t")) << out;
    write(path, "10:00:01 ERR 0x0501\n", QIODevice::Append);
    EXPECT_TRUE(readsWithinASecond("2\t10:00:01\t0501\t")) << out;
    ASSERT_TRUE(QFile::rename(path, path + ".1"));
    write(path, "10:00:02 <- 80 80 89 80 83 91\n", QIODevice::WriteOnly);
    EXPECT_TRUE(readsWithinASecond("1\t10:00:02\t80 80 89 80 83 91\t")) << out;
    write(path, "10:00:03 err 0301\n", QIODevice::WriteOnly | QIODevice::Truncate);
    EXPECT_TRUE(readsWithinASecond("1\t10:00:03\t0301\t")) << out;
#ifndef _WIN32
    // Wine turns no signal sent from here into Ctrl-C: windows/follow_test.sh does it there.
    kill(static_cast<pid_t>(follower.processId()), SIGINT);
    ASSERT_TRUE(follower.waitForFinished(2000));
    EXPECT_EQ(follower.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(follower.exitCode(), 0);
#else
    follower.kill();
    follower.waitForFinished();
#endif
}

} // namespace
