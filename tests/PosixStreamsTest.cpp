#include "CommandRun.h"
#include "cli/Command.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

// regalo-decode where POSIX streams fail or stay open: full and closed
// descriptors, pipes kept open, stop signals.

namespace {

// Runs the real program through the shell: closed and full streams.
CommandRun Shell(const std::string& commandLine)
{
    QProcess shell;
    // The C locale: the program's words are Russian.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    shell.setProcessEnvironment(environment);
    shell.start(QStringLiteral("bash"), {QStringLiteral("-c"), QString::fromStdString(commandLine)});
    shell.closeWriteChannel();
    shell.waitForFinished(20000);
    return {shell.exitCode(), shell.readAllStandardOutput().toStdString(), shell.readAllStandardError().toStdString()};
}

TEST(FailingSurroundings, AreReportedAndEndWithOne)
{
    const std::string program = REGALO_DECODE;
    const struct {
        std::string commandLine;
        int exitCode;
        const char* err;
    } cases[] = {
        {program + " list errors --csv > /dev/full", 1, "regalo-decode: ошибка записи: No space left on device\n"},
        {program + " list errors --csv >&-", 1, "regalo-decode: ошибка записи: Bad file descriptor\n"},
        {program + " error - < /tmp", 1, "regalo-decode: ошибка чтения: Is a directory\n"},
        {program + " error - <&-", 1, "regalo-decode: ошибка чтения: Bad file descriptor\n"},
        {program + " scan <&-", 1, "regalo-decode: \"-\": ошибка чтения: Bad file descriptor\n"},
        // A reader that stops early ends it quietly by SIGPIPE.
        {"yes 0501 | head -n 200000 | " + program + " error - | head -c 1 > /dev/null; exit ${PIPESTATUS[2]}",
         128 + SIGPIPE, ""},
    };
    for (const auto& c : cases) {
        const CommandRun run = Shell(c.commandLine);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.commandLine;
        EXPECT_EQ(run.err, c.err) << c.commandLine;
    }
}

TEST(LiveStream, AnswersBeforeTheInputEnds)
{
    int input[2];
    int output[2];
    ASSERT_EQ(pipe(input), 0);
    ASSERT_EQ(pipe(output), 0);
    // Left non-blocking by its parent, the input is waited on all the same.
    ASSERT_EQ(fcntl(input[0], F_SETFL, O_NONBLOCK), 0);
    std::FILE* err = std::tmpfile();
    ExitCode exitCode = ExitCode::Usage;
    std::thread decoder([&] { exitCode = RunDecodeCommand({"error", "-"}, {input[0], output[1], fileno(err)}); });
    ASSERT_EQ(write(input[1], "0501\n", 5), 5);
    pollfd answer{output[0], POLLIN, 0};
    const bool answered = poll(&answer, 1, 10000) == 1;
    close(input[1]);
    decoder.join();
    close(output[1]);
    EXPECT_TRUE(answered);
    char line[64] = {};
    EXPECT_GT(read(output[0], line, sizeof line - 1), 0);
    EXPECT_EQ(std::string(line).rfind("0501\t", 0), 0u);
    EXPECT_EQ(exitCode, ExitCode::Ok);
    close(input[0]);
    close(output[0]);
    std::fclose(err);
}

// Runs regalo-decode on `input` through a pipe: written at once, or a byte
// at a time, each once the program has read the one before.
CommandRun DecodeFed(const std::vector<std::string>& arguments, const std::string& input, bool byteByByte)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {-1, "", "no pipe"};
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    std::thread feeder([&] {
        if (!byteByByte) {
            EXPECT_EQ(write(pipeEnds[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
        } else {
            for (char c : input) {
                EXPECT_EQ(write(pipeEnds[1], &c, 1), 1);
                for (int waiting = 1; waiting > 0 && ioctl(pipeEnds[0], FIONREAD, &waiting) == 0;)
                    std::this_thread::yield();
            }
        }
        close(pipeEnds[1]);
    });
    const int code = static_cast<int>(RunDecodeCommand(arguments, {pipeEnds[0], fileno(out), fileno(err)}, {QStringLiteral("en")}));
    feeder.join();
    close(pipeEnds[0]);
    const auto contents = [](std::FILE* file) {
        std::string text(static_cast<std::size_t>(lseek(fileno(file), 0, SEEK_END)), '\0');
        EXPECT_EQ(pread(fileno(file), text.data(), text.size(), 0), static_cast<ssize_t>(text.size()));
        std::fclose(file);
        return text;
    };
    return {code, contents(out), contents(err)};
}

// However the input arrives, every read of it is the same: marks, units,
// line ends and characters cut by a read are put together again.
TEST(LiveStream, ReadsTheSameWholeOrByteByByte)
{
    const struct {
        const char* command;
        std::string input;
        const char* text; // the text answer's start
        int exitCode;
    } cases[] = {
        {"error", "\xEF\xBB\xBF" "0501\r\n\r\n0000", "0501\t", 0},
        {"error", Utf16(u"0501\r\n0000\r\n", true), "0501\t", 0},
        {"error", Utf16(u"0501\n\U0001F600\n", false), "0501\t", 1},
        {"error", Utf16(u"0501", true) + "1", "0501\xEF\xBF\xBD\t! ", 1},
        {"error", "0501\r0000\rЖ501\n", "0501\t", 1},
        {"status", Utf16(u"80 84 89 80 83 91\r\n80 80", true), "80 84 89 80 83 91\t", 1},
        {"status", Utf16(u"80 84 89 80 83 91", false) + "\x01", "80 84 89 80 83 91\xEF\xBF\xBD\t! ", 1},
    };
    for (const auto& c : cases) {
        for (const char* format : {"--json", "--csv", "--excel", "--"}) {
            const std::vector<std::string> arguments{c.command, format, "-"};
            const CommandRun whole = DecodeFed(arguments, c.input, false);
            const CommandRun bytewise = DecodeFed(arguments, c.input, true);
            const std::string where = std::string(c.command) + ' ' + format + ": " + c.text;
            EXPECT_EQ(bytewise.out, whole.out) << where;
            EXPECT_EQ(bytewise.err, whole.err) << where;
            EXPECT_EQ(bytewise.exitCode, c.exitCode) << where;
            EXPECT_EQ(whole.exitCode, c.exitCode) << where;
            if (std::string_view(format) == "--") {
                EXPECT_EQ(whole.out.substr(0, std::string_view(c.text).size()), c.text) << where;
            }
        }
    }
}

TEST(LiveStream, AStopSignalKeepsEveryAnswerComputed)
{
    QProcess program;
    program.start(QStringLiteral(REGALO_DECODE), {QStringLiteral("error"), QStringLiteral("-")});
    ASSERT_TRUE(program.waitForStarted());
    for (int i = 0; i < 100; ++i)
        program.write("0501\n");
    QByteArray out;
    while (out.count('\n') < 100 && program.waitForReadyRead(10000))
        out += program.readAllStandardOutput();
    program.terminate();
    program.waitForFinished(10000);
    out += program.readAllStandardOutput();
    EXPECT_EQ(out.count('\n'), 100);
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit); // ended by SIGTERM, as asked
}

} // namespace
