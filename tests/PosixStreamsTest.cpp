#include "CommandRun.h"
#include "cli/Command.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <csignal>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <poll.h>
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
