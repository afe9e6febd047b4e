#include "app/Answer.h"

#include "core/Diagnostics.h"
#include "core/Options.h"
#include "core/Translatable.h"
#include "translations/Language.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr char kContext[] = "Regalo_Vespera";

constexpr char kUsage[] = QT_TRANSLATE_NOOP("Regalo_Vespera", R"(Использование: Regalo_Vespera [параметры] [ЖУРНАЛ]

Окно, которое объясняет байты статуса и коды ошибок фискального регистратора.

Параметры:
  --lang ru|en   язык окна: русский или английский; без него английский,
                 если система говорит по-английски, иначе русский
  --status БАЙТЫ открыть с этими байтами статуса, как вставленными,
                 например --status "80 84 89 80 83 91"
  --code КОД     открыть с этим кодом ошибки, переведённым в текст,
                 например --code 0501
  --log ЖУРНАЛ   открыть журнал в окне журнала (так же, как ЖУРНАЛ
                 без параметра), например --log смена.log
  -h, --help     эта справка
  -v, --version  версия программы

Параметры самой Qt (-platform, -style, -display и другие) передаются Qt.
)");
constexpr char kBadStatusLine[] =
    QT_TRANSLATE_NOOP("Regalo_Vespera", "--status ждёт шесть байтов статуса, например \"80 84 89 80 83 91\", а не %1");
constexpr char kBadErrorCode[] =
    QT_TRANSLATE_NOOP("Regalo_Vespera", "--code ждёт четырёхзначный шестнадцатеричный код ошибки, например 0501, а не %1");
constexpr char kSeeHelp[] = QT_TRANSLATE_NOOP("Regalo_Vespera", "Параметры: Regalo_Vespera --help");

QString Translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

// The argument as given, quoted so that nothing in it acts on a terminal.
QString Quoted(const std::string& argument)
{
    std::string quoted;
    AppendQuoted(quoted, argument);
    return QString::fromStdString(quoted);
}

// Why the command line is refused: in the words regalo-decode uses, where it
// says the same.
QString Reason(const WindowOptions& options)
{
    const TextTranslation translate = CurrentLanguage() == Language::English ? &TranslateToEnglish : nullptr;
    CommandLine line;
    line.argument = options.argument;
    switch (options.problem) {
    case WindowOptions::Problem::UnknownOption:
    case WindowOptions::Problem::None:
        line.problem = CommandLine::Problem::UnknownOption;
        break;
    case WindowOptions::Problem::UnexpectedArgument:
        line.problem = CommandLine::Problem::UnexpectedArgument;
        break;
    case WindowOptions::Problem::MissingValue:
        line.problem = CommandLine::Problem::MissingValue;
        break;
    case WindowOptions::Problem::UnknownLanguage:
        return QString::fromStdString(UnknownLanguageWords(options.argument, translate));
    case WindowOptions::Problem::BadStatusLine:
        return Translated(kBadStatusLine).arg(Quoted(options.argument));
    case WindowOptions::Problem::BadErrorCode:
        return Translated(kBadErrorCode).arg(Quoted(options.argument));
    }
    return QString::fromStdString(CommandLineProblemWords(line, translate));
}

QString Refusal(const WindowOptions& options)
{
    return QStringLiteral("Regalo_Vespera: ") + Reason(options) + QLatin1Char('\n') + Translated(kSeeHelp) + QLatin1Char('\n');
}

#ifdef _WIN32
bool WriteTo(HANDLE handle, const QString& text)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || GetFileType(handle) == FILE_TYPE_UNKNOWN)
        return false;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = text.toStdWString();
        DWORD written = 0;
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
    }
    const QByteArray utf8 = text.toUtf8();
    DWORD written = 0;
    return WriteFile(handle, utf8.constData(), static_cast<DWORD>(utf8.size()), &written, nullptr) != 0;
}
#endif

// Standard output or error where there are such; a program of the Windows
// GUI subsystem has none unless redirected: it writes to the console it was
// started from, and started from no console it shows a message box.
void Write(bool error, const QString& text)
{
#ifdef _WIN32
    if (WriteTo(GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE), text))
        return;
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                           nullptr, OPEN_EXISTING, 0, nullptr);
        // The console's prompt is already back: the answer starts on a line of its own.
        const bool written = WriteTo(console, QLatin1Char('\n') + text);
        if (console != INVALID_HANDLE_VALUE)
            CloseHandle(console);
        FreeConsole();
        if (written)
            return;
    }
    const std::wstring wide = text.trimmed().toStdWString();
    MessageBoxW(nullptr, wide.c_str(), L"Regalo_Vespera", MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
#else
    const QByteArray utf8 = text.toUtf8();
    std::FILE* stream = error ? stderr : stdout;
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stream);
    std::fflush(stream);
#endif
}

} // namespace

int AnswerWithoutWindow(const WindowOptions& options)
{
    switch (options.action) {
    case WindowOptions::Action::Help:
        Write(false, Translated(kUsage));
        return 0;
    case WindowOptions::Action::Version:
        Write(false, QStringLiteral("Regalo_Vespera " REGALO_VERSION "\n"));
        return 0;
    case WindowOptions::Action::Refuse:
    case WindowOptions::Action::Run:
        break;
    }
    Write(true, Refusal(options));
    return 2;
}
