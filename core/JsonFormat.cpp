// JSON for programs: an object per value, exactly as read; the catalogue
// and what changed as one document each. Keys in alphabetical order.
#include "core/ChangePieces.h"
#include "core/Explanation.h"
#include "core/FormatParts.h"
#include "core/Formats.h"
#include "core/Json.h"

namespace {

void WriteFlag(JsonWriter& json, const StatusFlag& flag, TextTranslation translate)
{
    json.BeginObject()
        .Key("bit").Number(flag.bit)
        .Key("byte").Number(flag.byteIndex)
        .Key("caption").String(CaptionIn(flag.caption, translate))
        .Key("value").Number(flag.Value())
        .EndObject();
}

void WriteReceiptState(JsonWriter& json, int state, TextTranslation translate)
{
    json.BeginObject()
        .Key("caption").String(CaptionIn(ReceiptStateList[static_cast<std::size_t>(state)], translate))
        .Key("value").Number(state)
        .EndObject();
}

// The bytes as a JSON string: nothing in them to escape.
struct QuotedHex {
    explicit QuotedHex(const StatusBytes& bytes)
    {
        text[0] = '"';
        WriteStatusHex(text + 1, bytes);
        text[kStatusTextLength + 1] = '"';
    }
    operator std::string_view() const { return std::string_view(text, sizeof text); }
    char text[kStatusTextLength + 2];
};

// The bytes as a JSON array of numbers, written at once.
struct ByteNumbers {
    explicit ByteNumbers(const StatusBytes& bytes)
    {
        text[length++] = '[';
        for (const unsigned byte : bytes) {
            const unsigned value = byte & 0xFFu;
            if (value >= 100)
                text[length++] = static_cast<char>('0' + value / 100);
            if (value >= 10)
                text[length++] = static_cast<char>('0' + value / 10 % 10);
            text[length++] = static_cast<char>('0' + value % 10);
            text[length++] = ',';
        }
        text[length - 1] = ']';
    }
    operator std::string_view() const { return std::string_view(text, length); }
    char text[kStatusByteCount * 4 + 1];
    std::size_t length = 0;
};

class JsonFormatWriter : public FormatWriter {
public:
    JsonFormatWriter(TextTranslation translate, bool codeLines) : translate_(translate), codeLines_(codeLines) {}

    void Status(std::string& out, std::string_view input, const StatusBytes& bytes) const override
    {
        JsonWriter json(out);
        WriteStatus(json, input, bytes, nullptr);
        out += '\n';
    }
    // A code the catalogue has no text for: null, and "described" false.
    std::string Message(const ErrorCode& code) const override
    {
        const CodeDescription description = DescribeCode(code, translate_);
        std::string message = description.described ? JsonString(description.text) : "null";
        if (!codeLines_)
            return message;
        // A stream's line but for its input, which a NUL (never raw in JSON)
        // stands in for: all the rest is the code's own, and a stream has
        // millions of lines and few codes.
        std::string line;
        JsonWriter json(line);
        WriteCode(json, "", code, message, nullptr);
        line += '\n';
        constexpr std::string_view kEmptyInput = "\"input\":\"\"";
        const std::size_t input = line.find(kEmptyInput) + kEmptyInput.size() - 2;
        return line.replace(input, 2, 1, '\0');
    }
    void Code(std::string& out, std::string_view input, const ErrorCode& code, std::string_view message) const override
    {
        if (codeLines_) {
            const std::size_t at = message.find('\0');
            out += message.substr(0, at);
            JsonWriter(out).String(input);
            out += message.substr(at + 1);
            return;
        }
        JsonWriter json(out);
        WriteCode(json, input, code, message, nullptr);
        out += '\n';
    }
    void Invalid(std::string& out, std::string_view input, std::string_view why) const override
    {
        JsonWriter(out).BeginObject().Key("error").String(why).Key("input").String(input).EndObject();
        out += '\n';
    }
    void Blank(std::string& out) const override { out += "{\"input\":\"\"}\n"; }

    void Errors(std::string& out) const override
    {
        const auto text = [this](const char* source) { return Translated(kErrorCodesContext, source, translate_); };
        JsonWriter json(out);
        json.BeginArray();
        for (const ErrorClass& errorClass : ErrorCatalogue) {
            json.BeginObject().Key("class").Number(errorClass.number).Key("details").BeginArray();
            for (int detail : ListedDetails(errorClass))
                json.BeginObject()
                    .Key("code").String(ErrorCodeText({errorClass.number, detail}))
                    .Key("detail").Number(detail)
                    .Key("message").String(BuildErrorMessage(errorClass.number, detail, translate_))
                    .EndObject();
            json.EndArray().Key("form").String(FormName(errorClass.form)).Key("header").String(text(errorClass.header));
            if (errorClass.form == ErrorClassForm::NumberedField)
                json.Key("suffix").String(text(errorClass.suffix));
            if (errorClass.form == ErrorClassForm::HeaderAndDetail || errorClass.form == ErrorClassForm::DetailOnly)
                json.Key("unlistedDetail").String(BuildErrorMessage(errorClass.number, 0x100, translate_));
            json.EndObject();
        }
        json.EndArray();
        out += '\n';
    }
    void Flags(std::string& out) const override
    {
        JsonWriter json(out);
        json.BeginObject().Key("flags").BeginArray();
        for (const StatusFlag& flag : StatusFlagCatalogue)
            WriteFlag(json, flag, translate_);
        json.EndArray().Key("receiptStates").BeginArray();
        for (int state = 0; state < kReceiptStateCount; ++state)
            WriteReceiptState(json, state, translate_);
        json.EndArray().EndObject();
        out += '\n';
    }

    void Difference(std::string& out, const StatusBytes& before, const StatusBytes& after) const override
    {
        JsonWriter json(out);
        WriteDifference(json, before, after);
        out += '\n';
    }

    // The value's object with the record's keys among its own: "file" where
    // it is named, "kind", "line", "time" in the one form and "timeText" as
    // the log wrote it (null for none) and, for a status line after the
    // first, "changes" as a difference is written. A value that cannot be
    // read: its input and "error", as a stream's line has them.
    void Reading(std::string& out, const ScanRecord& record, std::string_view message) const override
    {
        JsonWriter json(out);
        switch (record.reading.kind) {
        case FoundReading::Kind::Error:
            WriteCode(json, record.reading.text, record.reading.code, message, &record);
            break;
        case FoundReading::Kind::Status:
            WriteStatus(json, record.reading.text, record.reading.bytes, &record);
            break;
        case FoundReading::Kind::Unreadable:
            json.BeginObject().Key("error").String(message);
            if (!record.file.empty())
                json.Key("file").String(record.file);
            json.Key("input").String(record.reading.text).Key("kind").String("unreadable");
            json.Key("line").Number(static_cast<long long>(record.line));
            WriteTime(json, record.time);
            json.EndObject();
            break;
        }
        out += '\n';
    }

    // One object: the counts, the span, each code, each flag that changed
    // and each receipt state shown. Times in the one form, or null.
    void Summary(std::string& out, const LogSummary& summary) const override
    {
        JsonWriter json(out);
        const auto time = [&json](std::string_view key, const std::optional<LogTime>& time) {
            json.Key(key);
            if (time)
                json.String(TimeText(*time));
            else
                json.Null();
        };
        const auto count = [](std::uint64_t n) { return static_cast<long long>(n); };
        json.BeginObject().Key("codes").BeginArray();
        for (const LogSummary::CodeSeen& seen : summary.CodesSeen()) {
            const CodeDescription description = DescribeCode(seen.code, translate_);
            json.BeginObject()
                .Key("class").Number(seen.code.errorClass)
                .Key("code").String(ErrorCodeText(seen.code))
                .Key("count").Number(count(seen.count))
                .Key("described").Bool(description.described)
                .Key("detail").Number(seen.code.detail);
            time("first", seen.first);
            time("last", seen.last);
            json.Key("message");
            if (description.described)
                json.String(description.text);
            else
                json.Null();
            json.EndObject();
        }
        json.EndArray().Key("errorCodes").Number(count(summary.Codes()));
        time("first", summary.First());
        json.Key("flags").BeginArray();
        for (const LogSummary::FlagChanges& changes : summary.FlagsChanged()) {
            const StatusFlag& flag = *changes.flag;
            json.BeginObject()
                .Key("bit").Number(flag.bit)
                .Key("byte").Number(flag.byteIndex)
                .Key("caption").String(CaptionIn(flag.caption, translate_))
                .Key("cleared").Number(count(changes.cleared));
            time("firstSet", changes.firstSet);
            time("lastCleared", changes.lastCleared);
            json.Key("msSet").Number(changes.msSet).Key("set").Number(count(changes.set)).Key("value").Number(flag.Value()).EndObject();
        }
        json.EndArray();
        time("last", summary.Last());
        json.Key("readings").Number(count(summary.Readings())).Key("receiptStates").BeginArray();
        for (int state = 0; state < kReceiptStateCount; ++state) {
            if (const std::uint64_t shown = summary.ReceiptStates()[static_cast<std::size_t>(state)])
                json.BeginObject()
                    .Key("caption").String(CaptionIn(ReceiptStateList[static_cast<std::size_t>(state)], translate_))
                    .Key("count").Number(count(shown))
                    .Key("value").Number(state)
                    .EndObject();
        }
        json.EndArray().Key("statusLines").Number(count(summary.StatusLines())).Key("unreadable").Number(count(summary.Unreadable()));
        json.EndObject();
        out += '\n';
    }

private:
    // Written piece by piece, the flags and the state from pieces built once:
    // a log of status lines is long.
    void WriteStatus(JsonWriter& json, std::string_view input, const StatusBytes& bytes, const ScanRecord* record) const
    {
        const TextTranslation translate = translate_;
        const BytePieces& flags = OncePerLanguage(translate, [translate] {
            return BytePieces([translate](std::string& text, const StatusFlag& flag, std::size_t start) {
                if (text.size() > start)
                    text += ',';
                JsonWriter json(text);
                WriteFlag(json, flag, translate);
            });
        });
        json.BeginObject().Key("bytes").Raw(ByteNumbers(bytes));
        if (record && record->previous) {
            json.Key("changes");
            WriteDifference(json, *record->previous, bytes);
        }
        if (record && !record->file.empty())
            json.Key("file").String(record->file);
        json.Key("flags").BeginArray();
        for (std::size_t byte = 0; byte < bytes.size(); ++byte)
            json.Raw(flags.Of(byte, bytes[byte]));
        json.EndArray()
            .Key("hex").Raw(QuotedHex(bytes))
            .Key("input").String(input);
        if (record)
            json.Key("kind").String("status").Key("line").Number(static_cast<long long>(record->line));
        json.Key("receiptState").Raw(ReceiptStateJson(bytes));
        if (record)
            WriteTime(json, record->time);
        json.EndObject();
    }

    static void WriteCode(JsonWriter& json, std::string_view input, const ErrorCode& code, std::string_view message,
                          const ScanRecord* record)
    {
        json.BeginObject()
            .Key("class").Number(code.errorClass)
            .Key("described").Bool(message != "null")
            .Key("detail").Number(code.detail);
        if (record && !record->file.empty())
            json.Key("file").String(record->file);
        json.Key("input").String(input);
        if (record)
            json.Key("kind").String("error");
        json.Key("knownClass").Bool(FindErrorClass(code.errorClass) != nullptr);
        if (record)
            json.Key("line").Number(static_cast<long long>(record->line));
        json.Key("message").Raw(message);
        if (record)
            WriteTime(json, record->time);
        json.EndObject();
    }

    // The receipt state's object, built once per state.
    std::string_view ReceiptStateJson(const StatusBytes& bytes) const
    {
        const TextTranslation translate = translate_;
        using States = std::array<std::string, kReceiptStateCount>;
        const States& states = OncePerLanguage(translate, [translate] {
            States written;
            for (int state = 0; state < kReceiptStateCount; ++state) {
                JsonWriter json(written[static_cast<std::size_t>(state)]);
                WriteReceiptState(json, state, translate);
            }
            return written;
        });
        return states[static_cast<std::size_t>(ReceiptStateOf(bytes[kReceiptStateByte]))];
    }

    static void WriteTime(JsonWriter& json, const LogTime& time)
    {
        if (!time.Known()) {
            json.Key("time").Null().Key("timeText").Null();
            return;
        }
        std::string written;
        AppendTime(written, time);
        json.Key("time").String(written).Key("timeText").String(time.text);
    }

    void WriteDifference(JsonWriter& json, const StatusBytes& before, const StatusBytes& after) const
    {
        // Each flag's change, set and cleared, built once: a log has many.
        const TextTranslation translate = translate_;
        const ChangePieces& changes = OncePerLanguage(translate, [translate] {
            return ChangePieces([](std::string&, std::size_t, bool) {},
                                [translate](std::string& text, const StatusFlag& flag, bool set, bool first) {
                                    if (!first)
                                        text += ',';
                                    JsonWriter(text)
                                        .BeginObject()
                                        .Key("bit").Number(flag.bit)
                                        .Key("byte").Number(flag.byteIndex)
                                        .Key("caption").String(CaptionIn(flag.caption, translate))
                                        .Key("set").Bool(set)
                                        .Key("value").Number(flag.Value())
                                        .EndObject();
                                });
        });
        json.BeginObject().Key("after").Raw(QuotedHex(after)).Key("before").Raw(QuotedHex(before));
        json.Key("changes").BeginArray();
        changes.ForEachPiece(before, after, [&json](std::string_view piece, bool) { json.Raw(piece); });
        json.EndArray().Key("receiptState").BeginObject();
        json.Key("after").Raw(ReceiptStateJson(after)).Key("before").Raw(ReceiptStateJson(before));
        json.EndObject().Key("same").Bool(before == after).EndObject();
    }

    TextTranslation translate_;
    bool codeLines_;
};

} // namespace

std::unique_ptr<FormatWriter> MakeJsonWriter(TextTranslation translate, bool codeLines)
{
    return std::make_unique<JsonFormatWriter>(translate, codeLines);
}
