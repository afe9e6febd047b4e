#include "cli/Command.h"

#include "cli/Decoder.h"
#include "cli/Words.h"
#include "core/Diagnostics.h"
#include "core/GivenValue.h"
#include "core/Options.h"
#include "translations/Language.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <string_view>

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP("regalo-decode", R"(Использование:
  regalo-decode status БАЙТЫ...     шесть байтов статуса, например 80 80 89 80 80 80
  regalo-decode error КОД           четырёхзначный код ошибки, например 0501
  regalo-decode status -            по строке статуса на каждую строку стандартного ввода
  regalo-decode error -             по коду ошибки на каждую строку стандартного ввода
  regalo-decode list errors|flags   весь каталог
  regalo-decode diff СТРОКА СТРОКА  что изменилось между двумя строками статуса:
                                    код 0, если ничего, 1, если они различаются
  regalo-decode scan [ФАЙЛ...|-]    строки статуса и коды ошибок в журнале, по записи
                                    на каждое: номер строки, время, значение, что
                                    изменилось; код 0, если они найдены, 1, если нет

Параметры:
  --brief       расшифровка в нескольких словах, чтобы переслать или вставить в заявку
  --json        по объекту JSON на значение (для list - массив)
  --csv         значения через запятую: строка заголовка, затем по строке на значение
  --excel       то же для Excel: UTF-8 с BOM, точка с запятой, CR LF
  --changes     (scan) только строки статуса, отличные от предыдущей, и все коды
  --any         (scan) любые шесть байтов, не только с битом 7 в каждом
  --summary     (scan) вместо записей - итог журнала: какие коды ошибок были, сколько
                раз, когда впервые и в последний раз; какие флаги менялись, сколько
                раз и как долго были установлены; какие состояния чека были
  --follow      (scan) читать файл журнала, пока в него пишут (как tail -F, и после
                ротации); Ctrl-C заканчивает с кодом 0 (и итогом, если --summary)
  --since ВРЕМЯ (scan) только показания с этого времени, например 2026-12-09 10:00:00
  --until ВРЕМЯ (scan) только показания до этого времени включительно; показание
                без своего времени берёт последнее время перед ним
  --lang ru|en  язык: русский или английский; без него слова программы на языке
                системы (английский, если она говорит по-английски, иначе русский),
                а тексты каталога по-русски
  -h, --help    эта справка
  -v, --version версия
)");

// Commands and list names, for suggestions on a typo.
const QStringList kCommands{QStringLiteral("status"), QStringLiteral("error"), QStringLiteral("list"), QStringLiteral("diff"),
                            QStringLiteral("scan")};
const QStringList kLists{QStringLiteral("errors"), QStringLiteral("flags")};

constexpr std::array kOptions = {
    KnownOption{"brief", "", false}, KnownOption{"json", "", false}, KnownOption{"csv", "", false},
    KnownOption{"excel", "", false}, KnownOption{"lang", "", true},   KnownOption{"help", "h", false},
    KnownOption{"version", "v", false}, KnownOption{"changes", "", false}, KnownOption{"any", "", false},
    KnownOption{"since", "", true},     KnownOption{"until", "", true},    KnownOption{"summary", "", false},
    KnownOption{"follow", "", false},
};

// How far apart two words are: the fewest letters added, dropped or changed.
qsizetype EditDistance(const QString& a, const QString& b)
{
    std::vector<qsizetype> row(static_cast<std::size_t>(b.size()) + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[static_cast<std::size_t>(j)] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const auto at = static_cast<std::size_t>(j);
            const qsizetype replaced = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            diagonal = row[at];
            row[at] = std::min({row[at] + 1, row[at - 1] + 1, replaced});
        }
    }
    return row.back();
}

// The valid word nearest to a mistyped one, when one is near enough.
QString Nearest(const QString& typed, const QStringList& valid)
{
    QString best;
    qsizetype bestDistance = 3;
    for (const QString& word : valid) {
        const qsizetype distance = EditDistance(typed, word);
        if (distance < bestDistance) {
            best = word;
            bestDistance = distance;
        }
    }
    return best;
}

QString Quoted(const std::string& value)
{
    std::string quoted;
    AppendQuoted(quoted, value);
    return QString::fromStdString(quoted);
}

// The option names, as a typo is compared with them.
QStringList OptionNames()
{
    QStringList names;
    for (const KnownOption& option : kOptions)
        names << QStringLiteral("--") + QString::fromLatin1(option.name.data(), static_cast<qsizetype>(option.name.size()));
    return names;
}

QString Said(const char* text)
{
    return QCoreApplication::translate(kDecodeContext, text);
}

// At most three lines: what is wrong, the nearest valid word, and where the
// usage is. The reason may quote an argument: shown as safely as any value.
ExitCode UsageError(FdWriter& err, const QString& why, const QString& suggestion = QString())
{
    std::string& lines = err.Buffer();
    lines += "regalo-decode: " + why.toStdString() + '\n';
    if (!suggestion.isEmpty())
        lines += Said(QT_TRANSLATE_NOOP("regalo-decode", "может быть, %1?")).arg(suggestion).toStdString() + '\n';
    lines += Words(QT_TRANSLATE_NOOP("regalo-decode", "Справка: regalo-decode --help")) + '\n';
    return ExitCode::Usage;
}

// What the command line asks for, once it has been read whole and found sound.
struct Request {
    enum class Command { ListErrors, ListFlags, Status, ErrorCode, Diff, Scan };
    Command command = Command::Status;
    Format format = Format::Text;
    // What to decode, given as arguments; empty for a stream. Diff's second line.
    std::string value;
    bool streamed = false;
    std::string other;
    // The logs to scan, "-" for standard input, and how.
    std::vector<std::string> files;
    ScanChoices scan;
    bool summary = false;
    bool follow = false;
};

// Reads the command line and chooses the language. Help and the version are
// answered here, and every usage error is found here, before anything else
// is written: no request then, and the exit code.
std::optional<Request> Parse(const std::vector<std::string>& arguments, const QStringList& uiLanguages, FdWriter& out,
                             FdWriter& err, ExitCode& exitCode)
{
    std::vector<std::string> given = arguments;
#ifdef _WIN32
    // Help as Windows' own console programs give it.
    std::replace(given.begin(), given.end(), std::string("/?"), std::string("--help"));
#endif
    const CommandLine line = ReadCommandLine(given, kOptions);

    // The program's own words: --lang, else the system's language. The
    // catalogue's texts: Russian unless asked, since scripts read them.
    const std::optional<std::string> lang = line.Value("lang");
    std::optional<Language> asked;
    if (lang)
        asked = LanguageNamed(QString::fromStdString(*lang));
    UseLanguage(asked ? *asked : LanguageForUi(uiLanguages), QtTexts::AsTheyAre);
    UseCatalogueLanguage(asked ? *asked : Language::Russian);

    const auto refuse = [&](const QString& why, const QString& suggestion = QString()) {
        exitCode = UsageError(err, why, suggestion);
        return std::nullopt;
    };
    if (line.problem != CommandLine::Problem::None) {
        const QString option = QString::fromStdString(line.argument).section(QLatin1Char('='), 0, 0);
        return refuse(QString::fromStdString(CommandLineProblemWords(line, OwnWordsTranslation())),
                      line.problem == CommandLine::Problem::UnknownOption ? Nearest(option, OptionNames()) : QString());
    }
    if (line.Has("help") || line.Has("version")) {
        out.Append(line.Has("help") ? Words(kUsage) : std::string("regalo-decode " REGALO_VERSION "\n"));
        exitCode = ExitCode::Ok;
        return std::nullopt;
    }
    if (lang && !asked)
        return refuse(QString::fromStdString(UnknownLanguageWords(*lang, OwnWordsTranslation())));

    std::vector<std::string> positional = line.positional;
    if (positional.empty())
        return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "скажите, что расшифровать: status, error, list, diff или scan")));
    const std::string command = positional.front();
    positional.erase(positional.begin());
    if (int(line.Has("brief")) + int(line.Has("json")) + int(line.Has("csv")) + int(line.Has("excel")) > 1)
        return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "--brief, --json, --csv и --excel исключают друг друга")));
    const Format format = line.Has("brief")   ? Format::Brief
                          : line.Has("json")  ? Format::Json
                          : line.Has("csv")   ? Format::Csv
                          : line.Has("excel") ? Format::Excel
                                              : Format::Text;

    const auto requestOf = [format](Request::Command command) {
        Request request;
        request.command = command;
        request.format = format;
        return request;
    };
    if (command != "scan"
        && (line.Has("changes") || line.Has("any") || line.Has("since") || line.Has("until") || line.Has("summary") || line.Has("follow")))
        return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "--changes, --any, --since, --until, --summary и --follow - для scan")));
    if (command == "scan") {
        Request request = requestOf(Request::Command::Scan);
        request.files = positional.empty() ? std::vector<std::string>{"-"} : positional;
        request.scan.anyPairs = line.Has("any");
        request.scan.changesOnly = line.Has("changes");
        request.summary = line.Has("summary");
        request.follow = line.Has("follow");
        if (request.follow && (positional.size() != 1 || positional[0] == "-"))
            return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "--follow следит за одним файлом журнала: назовите его")));
        for (const auto& [name, bound] : {std::pair{"since", &request.scan.since}, std::pair{"until", &request.scan.until}}) {
            const std::optional<std::string> value = line.Value(name);
            if (!value)
                continue;
            *bound = ReadTime(*value);
            if (!*bound)
                return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "--%1 %2: это не время; нужно, например, 2026-12-09 10:00:00 или 10:00:00"))
                                  .arg(QString::fromLatin1(name), Quoted(*value)));
        }
        return request;
    }

    if (command == "list") {
        if (positional.size() != 1)
            return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "list принимает одно из: errors, flags")));
        if (positional[0] == "errors")
            return requestOf(Request::Command::ListErrors);
        if (positional[0] == "flags")
            return requestOf(Request::Command::ListFlags);
        return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "нет списка %1")).arg(Quoted(positional[0])),
                      Nearest(QString::fromStdString(positional[0]), kLists));
    }

    if (command == "diff") {
        if (positional.size() != 2)
            return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "diff сравнивает две строки статуса, каждую одним аргументом")));
        Request request = requestOf(Request::Command::Diff);
        request.value = positional[0];
        request.other = positional[1];
        return request;
    }

    Request::Command decoded;
    if (command == "status")
        decoded = Request::Command::Status;
    else if (command == "error")
        decoded = Request::Command::ErrorCode;
    else
        return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "неизвестная команда %1")).arg(Quoted(command)),
                      Nearest(QString::fromStdString(command), kCommands));
    if (positional.empty())
        return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "%1 ждёт значение или - для стандартного ввода")).arg(QString::fromStdString(command)));
    Request request = requestOf(decoded);
    if (positional == std::vector<std::string>{"-"}) {
        request.streamed = true;
        return request;
    }
    if (decoded == Request::Command::ErrorCode && positional.size() != 1)
        return refuse(Said(QT_TRANSLATE_NOOP("regalo-decode", "error принимает один код")));
    // Status bytes may come as one argument or several.
    for (const std::string& part : positional)
        request.value += (request.value.empty() ? "" : " ") + part;
    return request;
}

std::unique_ptr<FormatWriter> WriterFor(const Request& request)
{
    return MakeFormatWriter(request.format, ValueKind::Status, ValueSource::Arguments, CurrentTranslation());
}

ExitCode List(const Request& request, FdWriter& out)
{
    if (request.command == Request::Command::ListErrors)
        WriterFor(request)->Errors(out.Buffer());
    else
        WriterFor(request)->Flags(out.Buffer());
    return ExitCode::Ok;
}

ExitCode Decode(const Request& request, int in, FdWriter& out, FdWriter& err)
{
    const ValueKind kind = request.command == Request::Command::Status ? ValueKind::Status : ValueKind::ErrorCode;
    Decoder decoder(kind, request.format, request.streamed ? ValueSource::Lines : ValueSource::Arguments, out, err);
    const bool allRead = request.streamed ? decoder.DecodeLines(in) : decoder.Decode(request.value);
    return allRead ? ExitCode::Ok : ExitCode::Failed;
}

// Like cmp: 0 when both lines are the same, 1 when they differ, 2 when one
// cannot be read.
ExitCode Diff(const Request& request, FdWriter& out, FdWriter& err)
{
    StatusBytes lines[2]{};
    bool read = true;
    for (int i = 0; i < 2; ++i) {
        const GivenValue value = ReadGivenValue(ValueKind::Status, i == 0 ? request.value : request.other, OwnWordsTranslation());
        if (value.read)
            lines[i] = value.bytes;
        else
            AppendNote(err.Buffer(), "regalo-decode", 0, {}, value.input, value.why);
        read = read && value.read;
    }
    if (!read)
        return ExitCode::Usage;
    WriterFor(request)->Difference(out.Buffer(), lines[0], lines[1]);
    return lines[0] == lines[1] ? ExitCode::Ok : ExitCode::Failed;
}

// Each log in turn, each read from its start: a file that cannot be opened or
// read is named, and the rest are still read. 0 when readings were found and
// every file read, else 1.
ExitCode Scan(const Request& request, int in, FdWriter& out, FdWriter& err)
{
    Decoder decoder(request.summary ? ValueKind::LogSummary : ValueKind::LogReading, request.format, ValueSource::Lines, out, err);
    if (request.summary)
        decoder.SummarizeInstead();
    if (request.follow) {
        // Until Ctrl-C, which ends it as it should end: with what was read.
        decoder.FollowLines(request.files.front(), request.scan);
        AcceptStop();
        decoder.WriteSummary();
        return ExitCode::Ok;
    }
    // Progress only where the results go to a file, not to the terminal or
    // a program.
    const bool showProgress = err.IsTerminal() && !out.IsTerminal() && !IsAPipe(out.Fd());
    const bool named = request.files.size() > 1;
    std::uint64_t found = 0;
    bool allRead = true;
    for (const std::string& file : request.files) {
        const bool standardInput = file == "-";
        const int fd = standardInput ? in : OpenForReading(file);
        // Standard input closed before the start has no descriptor, and no errno of its own.
        const int openError = standardInput ? EBADF : errno;
        try {
            if (fd < 0)
                throw IoError(IoError::Kind::Read, openError);
            found += decoder.ScanLines(fd, named ? std::string_view(file) : std::string_view(), request.scan, showProgress);
        } catch (const IoError& failure) {
            if (failure.kind == IoError::Kind::Write)
                throw;
            std::string& note = err.Buffer();
            note += "regalo-decode: ";
            AppendQuoted(note, file);
            note += ": " + IoErrorWords(failure) + '\n';
            allRead = false;
        }
        if (!standardInput && fd >= 0)
            CloseFile(fd);
        if (StopRequested())
            break;
    }
    decoder.WriteSummary();
    if (found == 0 && allRead && !StopRequested()) {
        const bool spanned = request.scan.since || request.scan.until;
        err.Append("regalo-decode: "
                   + Words(spanned ? QT_TRANSLATE_NOOP("regalo-decode", "в заданном промежутке нет ни строки статуса, ни кода ошибки")
                                   : QT_TRANSLATE_NOOP("regalo-decode", "в журнале нет ни строки статуса, ни кода ошибки"))
                   + '\n');
    }
    return found > 0 && allRead ? ExitCode::Ok : ExitCode::Failed;
}

ExitCode Run(const std::vector<std::string>& arguments, const QStringList& uiLanguages, int in, FdWriter& out,
             FdWriter& err)
{
    ExitCode exitCode = ExitCode::Ok;
    const std::optional<Request> request = Parse(arguments, uiLanguages, out, err, exitCode);
    if (!request)
        return exitCode;
    switch (request->command) {
    case Request::Command::ListErrors:
    case Request::Command::ListFlags:
        return List(*request, out);
    case Request::Command::Status:
    case Request::Command::ErrorCode:
        return Decode(*request, in, out, err);
    case Request::Command::Diff:
        return Diff(*request, out, err);
    case Request::Command::Scan:
        return Scan(*request, in, out, err);
    }
    return ExitCode::Failed;
}

} // namespace

ExitCode RunDecodeCommand(const std::vector<std::string>& arguments, const StandardStreams& streams,
                          const QStringList& uiLanguages)
{
    FdWriter out(streams.out);
    FdWriter err(streams.err);
    try {
        const ExitCode code = Run(arguments, uiLanguages, streams.in, out, err);
        out.Flush();
        err.Flush();
        return code;
    } catch (const IoError& failure) {
        // Whatever was still held for standard error goes first, if it can.
        try {
            err.Append("regalo-decode: " + IoErrorWords(failure) + '\n');
            err.Flush();
        } catch (const IoError&) {
        }
        return ExitCode::Failed;
    }
}

ExitCode ExplainAndWait(const StandardStreams& streams, const QStringList& uiLanguages)
{
    UseLanguage(LanguageForUi(uiLanguages), QtTexts::AsTheyAre);
    FdWriter out(streams.out);
    try {
        out.Append(Words(kUsage) + '\n' + Words(QT_TRANSLATE_NOOP("regalo-decode", "Нажмите Enter, чтобы закрыть это окно.")));
        out.Flush();
        LineReader reader(streams.in, nullptr);
        LineReader::Line line;
        reader.Next(line);
    } catch (const IoError&) {
        // Nothing to wait on: the window closes as it would have.
    }
    return ExitCode::Ok;
}
