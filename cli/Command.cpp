#include "cli/Command.h"

#include "cli/Decoder.h"
#include "cli/Output.h"
#include "cli/Words.h"
#include "core/Diagnostics.h"
#include "translations/Language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <string_view>

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP("regalo-decode", R"(Usage:
  regalo-decode status BYTES...     the six status bytes, e.g. 80 80 89 80 80 80
  regalo-decode error CODE          a four-digit error code, e.g. 0501
  regalo-decode status -            one status line per line of standard input
  regalo-decode error -             one error code per line of standard input
  regalo-decode list errors|flags   the whole catalogue

Options:
  --json        one JSON object per value (an array for list)
  --csv         comma-separated values (list only)
  --lang ru|en  the language of the texts: Russian (the default) or English
  -h, --help    this text
  -v, --version the version
)");

// Arguments are UTF-8, from any system. A byte that belongs to no UTF-8
// sequence is carried as a lone surrogate U+DC80-U+DCFF and given back as
// that byte, so that a note can show it as it was given.
QString ArgumentText(std::string_view bytes)
{
    QString text;
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t code = 0;
        const std::size_t length = DecodeUtf8(bytes, i, code);
        if (length == 0) {
            text += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        // Not through Qt's decoders: they drop a byte-order mark, which is part of the value.
        if (QChar::requiresSurrogates(code)) {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            text += QChar(static_cast<char16_t>(code));
        }
        i += length;
    }
    return text;
}

std::string ArgumentBytes(const QString& text)
{
    std::string bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0xDC80 && c <= 0xDCFF) {
            bytes += static_cast<char>(c - 0xDC00);
        } else {
            const qsizetype units = QChar::isHighSurrogate(c) && i + 1 < text.size() ? 2 : 1;
            bytes += text.mid(i, units).toStdString();
            i += units - 1;
        }
    }
    return bytes;
}

ExitCode UsageError(FdWriter& err, const QString& why)
{
    // The reason may quote an argument: shown as safely as any value.
    std::string& line = err.Buffer();
    line += "regalo-decode: ";
    AppendEscaped(line, ArgumentBytes(why), 4 * kShownCharacters);
    line += "\n\n";
    line += Words(kUsage);
    return ExitCode::Usage;
}

ExitCode Run(const std::vector<std::string>& arguments, int in, FdWriter& out, FdWriter& err)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("language"), QStringLiteral("ru"));
    parser.addOptions({json, csv, help, version, lang});

    QStringList argv{QStringLiteral("regalo-decode")};
    for (const std::string& argument : arguments)
        argv << ArgumentText(argument);
    if (!parser.parse(argv))
        return UsageError(err, parser.errorText());
    if (parser.isSet(help)) {
        out.Append(Words(kUsage));
        return ExitCode::Ok;
    }
    if (parser.isSet(version)) {
        out.Append("regalo-decode " REGALO_VERSION "\n");
        return ExitCode::Ok;
    }

    // Russian unless asked: scripts read these texts, whatever the system's language.
    const auto language = LanguageNamed(parser.value(lang));
    if (!language)
        return UsageError(err, QCoreApplication::translate("regalo-decode", "--lang takes ru or en"));
    UseLanguage(*language, QtTexts::AsTheyAre);

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return UsageError(err, QCoreApplication::translate("regalo-decode", "say what to decode"));
    const QString command = positional.takeFirst();
    if (parser.isSet(json) && parser.isSet(csv))
        return UsageError(err, QCoreApplication::translate("regalo-decode", "--json and --csv exclude each other"));

    if (command == QLatin1String("list")) {
        if (positional.size() != 1)
            return UsageError(err, QCoreApplication::translate("regalo-decode", "list takes one of: errors, flags"));
        const ListFormat format = parser.isSet(json) ? ListFormat::Json
                                  : parser.isSet(csv) ? ListFormat::Csv
                                                      : ListFormat::Text;
        if (positional[0] == QLatin1String("errors"))
            out.Append(ListErrors(format));
        else if (positional[0] == QLatin1String("flags"))
            out.Append(ListFlags(format));
        else
            return UsageError(err, QCoreApplication::translate("regalo-decode", "nothing to list called \"%1\"").arg(positional[0]));
        return ExitCode::Ok;
    }

    Decoder::Kind kind;
    if (command == QLatin1String("status"))
        kind = Decoder::Kind::Status;
    else if (command == QLatin1String("error"))
        kind = Decoder::Kind::ErrorCode;
    else
        return UsageError(err, QCoreApplication::translate("regalo-decode", "unknown command \"%1\"").arg(command));
    if (parser.isSet(csv))
        return UsageError(err, QCoreApplication::translate("regalo-decode", "--csv is for list"));
    if (positional.isEmpty())
        return UsageError(err, QCoreApplication::translate("regalo-decode", "%1 needs a value, or - for standard input").arg(command));

    const bool streamed = positional == QStringList{QStringLiteral("-")};
    const Decoder::Form form = parser.isSet(json) ? Decoder::Form::Json
                               : streamed         ? Decoder::Form::Line
                                                  : Decoder::Form::Report;
    Decoder decoder(kind, form, out, err);
    if (streamed)
        return decoder.DecodeLines(in) ? ExitCode::Ok : ExitCode::Failed;
    if (kind == Decoder::Kind::ErrorCode && positional.size() != 1)
        return UsageError(err, QCoreApplication::translate("regalo-decode", "error takes one code"));
    // Status bytes may come as one argument or several.
    const std::string value = ArgumentBytes(positional.join(QLatin1Char(' ')));
    return decoder.Decode(Trimmed(value))
               ? ExitCode::Ok
               : ExitCode::Failed;
}

} // namespace

ExitCode RunDecodeCommand(const std::vector<std::string>& arguments, const StandardStreams& streams)
{
    FdWriter out(streams.out);
    FdWriter err(streams.err);
    try {
        const ExitCode code = Run(arguments, streams.in, out, err);
        out.Flush();
        err.Flush();
        return code;
    } catch (const IoError& failure) {
        // Whatever was still held for standard error goes first, if it can.
        try {
            err.Append(std::string("regalo-decode: ") + failure.what() + '\n');
            err.Flush();
        } catch (const IoError&) {
        }
        return ExitCode::Failed;
    }
}
