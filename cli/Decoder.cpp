#include "cli/Decoder.h"

#include "core/HexText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace {

constexpr std::size_t kFlushSize = 1 << 16;

} // namespace

Decoder::Decoder(Kind kind, bool json, std::FILE* out, std::FILE* err)
    : kind_(kind), json_(json), out_(out), err_(err)
{
    buffer_.reserve(kFlushSize + 4096);
}

Decoder::~Decoder()
{
    Flush();
}

void Decoder::FlushIfFull()
{
    if (buffer_.size() >= kFlushSize || errBuffer_.size() >= kFlushSize)
        Flush();
}

void Decoder::Flush()
{
    if (!buffer_.empty())
        std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    std::fflush(out_);
    if (!errBuffer_.empty())
        std::fwrite(errBuffer_.data(), 1, errBuffer_.size(), err_);
    buffer_.clear();
    errBuffer_.clear();
}

void Decoder::Note(std::string_view input, std::string_view what)
{
    errBuffer_ += "regalo-decode: \"";
    errBuffer_ += input;
    errBuffer_ += "\": ";
    errBuffer_ += what;
    errBuffer_ += '\n';
}

void Decoder::Complain(std::string_view input, const std::string& what)
{
    Note(input, what);
    if (json_)
        buffer_ += JsonLine(InvalidInputJson(input, what));
}

const Decoder::Message& Decoder::MessageOf(const ErrorCodeValue& code)
{
    if (messageIndex_.empty())
        messageIndex_.assign(0x10000, -1);
    int& index = messageIndex_[static_cast<std::size_t>(code.detail * 256 + code.errorClass)];
    if (index < 0) {
        index = static_cast<int>(messages_.size());
        std::string text = ErrorCodeMessage(code);
        std::string streamed = '\t' + OnOneLine(text) + '\n';
        messages_.push_back({std::move(text), std::move(streamed)});
    }
    return messages_[static_cast<std::size_t>(index)];
}

bool Decoder::Decode(std::string_view raw)
{
    const std::string_view input = Trimmed(raw);
    std::string error;
    bool read = true;
    if (kind_ == Kind::Status) {
        StatusBytes bytes{};
        if (!ParseStatusLine(input, bytes, error)) {
            Complain(input, error);
            read = false;
        } else if (json_) {
            buffer_ += JsonLine(StatusJson(input, bytes));
        } else if (streaming_) {
            AppendStatusLine(buffer_, bytes);
        } else {
            buffer_ += StatusReport(bytes);
        }
    } else {
        ErrorCodeValue code{};
        if (!ParseErrorCode(input, code, error)) {
            Complain(input, error);
            read = false;
        } else {
            WriteErrorCode(input, code);
        }
    }
    FlushIfFull();
    return read;
}

void Decoder::WriteErrorCode(std::string_view input, const ErrorCodeValue& code)
{
    const Message& message = MessageOf(code);
    if (json_) {
        buffer_ += JsonLine(ErrorCodeJson(input, code, message.text));
    } else if (streaming_) {
        buffer_ += input;
        buffer_ += message.streamed;
    } else {
        buffer_ += message.text;
        buffer_ += '\n';
    }
    if (message.text.empty())
        Note(input, "no description");
}

bool Decoder::DecodeStream(std::istream& in)
{
    streaming_ = true;
    bool allRead = true;
    std::string line;
    while (std::getline(in, line)) {
        const std::string_view value = Trimmed(line);
        if (value.empty())
            continue;
        // The bulk of a log: four digits, decoded without the general path.
        if (kind_ == Kind::ErrorCode && value.size() == 4) {
            const int digits[4] = {HexDigitValue(value[0]), HexDigitValue(value[1]), HexDigitValue(value[2]),
                                   HexDigitValue(value[3])};
            if ((digits[0] | digits[1] | digits[2] | digits[3]) >= 0) {
                WriteErrorCode(value, {digits[2] * 16 + digits[3], digits[0] * 16 + digits[1]});
                FlushIfFull();
                continue;
            }
        }
        allRead = Decode(value) && allRead;
    }
    Flush();
    return allRead;
}

namespace {

const char kUsage[] = R"(Usage:
  regalo-decode status BYTES...     the six status bytes, e.g. 80 80 89 80 80 80
  regalo-decode error CODE          a four-digit error code, e.g. 0501
  regalo-decode status -            one status line per line of standard input
  regalo-decode error -             one error code per line of standard input
  regalo-decode list errors|flags   the whole catalogue

Options:
  --json        one JSON object per value (an array for list)
  --csv         comma-separated values (list only)
  -h, --help    this text
  -v, --version the version
)";

ExitCode UsageError(std::FILE* err, const QString& why)
{
    std::fprintf(err, "regalo-decode: %s\n\n%s", why.toUtf8().constData(), kUsage);
    return ExitCode::Usage;
}

} // namespace

ExitCode RunDecodeCommand(const std::vector<std::string>& arguments, std::istream& in, std::FILE* out, std::FILE* err)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({json, csv, help, version});

    QStringList argv{QStringLiteral("regalo-decode")};
    for (const std::string& argument : arguments)
        argv << QString::fromLocal8Bit(argument.c_str());
    if (!parser.parse(argv))
        return UsageError(err, parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(kUsage, out);
        return ExitCode::Ok;
    }
    if (parser.isSet(version)) {
        std::fprintf(out, "regalo-decode %s\n", REGALO_VERSION);
        return ExitCode::Ok;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return UsageError(err, QStringLiteral("say what to decode"));
    const QString command = positional.takeFirst();
    if (parser.isSet(json) && parser.isSet(csv))
        return UsageError(err, QStringLiteral("--json and --csv exclude each other"));

    if (command == QLatin1String("list")) {
        if (positional.size() != 1)
            return UsageError(err, QStringLiteral("list takes one of: errors, flags"));
        const OutputFormat format = parser.isSet(json) ? OutputFormat::Json
                                    : parser.isSet(csv) ? OutputFormat::Csv
                                                        : OutputFormat::Text;
        std::string listing;
        if (positional[0] == QLatin1String("errors"))
            listing = ListErrors(format);
        else if (positional[0] == QLatin1String("flags"))
            listing = ListFlags(format);
        else
            return UsageError(err, QStringLiteral("nothing to list called \"%1\"").arg(positional[0]));
        std::fwrite(listing.data(), 1, listing.size(), out);
        return ExitCode::Ok;
    }

    Decoder::Kind kind;
    if (command == QLatin1String("status"))
        kind = Decoder::Kind::Status;
    else if (command == QLatin1String("error"))
        kind = Decoder::Kind::ErrorCode;
    else
        return UsageError(err, QStringLiteral("unknown command \"%1\"").arg(command));
    if (parser.isSet(csv))
        return UsageError(err, QStringLiteral("--csv is for list"));
    if (positional.isEmpty())
        return UsageError(err, QStringLiteral("%1 needs a value, or - for standard input").arg(command));

    Decoder decoder(kind, parser.isSet(json), out, err);
    if (positional == QStringList{QStringLiteral("-")})
        return decoder.DecodeStream(in) ? ExitCode::Ok : ExitCode::BadInput;
    if (kind == Decoder::Kind::ErrorCode && positional.size() != 1)
        return UsageError(err, QStringLiteral("error takes one code"));
    // Status bytes may come as one argument or several.
    const std::string value = positional.join(QLatin1Char(' ')).toStdString();
    return decoder.Decode(value) ? ExitCode::Ok : ExitCode::BadInput;
}
