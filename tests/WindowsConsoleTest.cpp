#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>

#include <windows.h>

namespace {

// A Russian Windows console runs on code page 866: regalo-decode's UTF-8
// must still read as Russian there, and the console keep its page.
TEST(WindowsConsole, ShowsRussianWhateverTheCodePage)
{
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    ASSERT_TRUE(SetConsoleOutputCP(866));
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      &inherited, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(screen, INVALID_HANDLE_VALUE);

    std::wstring commandLine = L"\"" + QString::fromUtf8(REGALO_DECODE).toStdWString() + L"\" error 0501";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = screen;
    startup.hStdError = screen;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process));
    WaitForSingleObject(process.hProcess, 20000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    const std::wstring expected = L"Ошибка оборудования!";
    std::wstring shown(expected.size(), L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, shown.data(), static_cast<DWORD>(shown.size()), COORD{0, 0}, &read);
    CloseHandle(screen);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(shown == expected) << "the console shows other characters";
    EXPECT_EQ(GetConsoleOutputCP(), 866u);
    FreeConsole();
}

// Arguments and piped lines reach regalo-decode whole, as UTF-8, whatever
// the ANSI code page; a line may end in CR LF.
TEST(WindowsInput, KeepsCyrillic)
{
    const struct {
        QStringList arguments;
        QByteArray input;
        const char* err;
    } cases[] = {
        {{"--lang", "ru", "error", "О501"}, "", "regalo-decode: \"О501\": кириллическая «О» на позиции 1 — нужна цифра 0\n"},
        {{"--lang", "en", "error", "-"}, "0501\r\nО501\r\n",
         "regalo-decode: line 2: \"О501\": Cyrillic 'О' at position 1: the digit 0 is needed\n"},
    };
    for (const auto& c : cases) {
        QProcess program;
        program.start(QStringLiteral(REGALO_DECODE), c.arguments);
        program.write(c.input);
        program.closeWriteChannel();
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.readAllStandardError().toStdString(), c.err) << c.arguments.join(' ').toStdString();
    }
}

// Before Windows 10 1903, or wherever the manifest's UTF-8 code page is not
// honoured, argv comes in the ANSI code page: the arguments must still
// arrive whole. A copy of the program has that setting commented out, in
// place, at the same length.
TEST(WindowsInput, CyrillicArgumentsWithoutTheUtf8CodePage)
{
    QFile original(QStringLiteral(REGALO_DECODE));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QByteArray program = original.readAll();
    const QByteArray setting = "<activeCodePage xmlns=\"http://schemas.microsoft.com/SMI/2019/WindowsSettings\">UTF-8</activeCodePage>";
    const qsizetype at = program.indexOf(setting);
    ASSERT_GE(at, 0) << "the manifest asks for no UTF-8 code page";
    program.replace(at, setting.size(), "<!--" + setting.mid(4, setting.size() - 7) + "-->");

    QTemporaryDir folder;
    QFile copy(folder.filePath(QStringLiteral("regalo-decode.exe")));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly) && copy.write(program) == program.size());
    copy.close();
    QProcess run;
    run.start(copy.fileName(), {QStringLiteral("--lang"), QStringLiteral("ru"), QStringLiteral("error"), QStringLiteral("ош01")});
    ASSERT_TRUE(run.waitForFinished(20000));
    EXPECT_EQ(run.readAllStandardError().toStdString(),
              "regalo-decode: \"ош01\": кириллическая «о» на позиции 1 — нужна цифра 0\n");
}

// "/?" is help, as in Windows' own console programs; without arguments and
// without a console of its own the program answers at once, never waits.
TEST(WindowsConsole, HelpByItsWindowsNameAndNoWaitingInAPipe)
{
    QProcess help;
    help.start(QStringLiteral(REGALO_DECODE), {QStringLiteral("/?")});
    ASSERT_TRUE(help.waitForFinished(20000));
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().contains("regalo-decode list errors|flags"));

    QProcess bare;
    bare.start(QStringLiteral(REGALO_DECODE), {});
    ASSERT_TRUE(bare.waitForFinished(20000));
    EXPECT_EQ(bare.exitCode(), 2);
}

} // namespace
