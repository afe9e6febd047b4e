#include "cli/Output.h"

#include "cli/Json.h"
#include "core/ErrorCodes.h"
#include "core/HexText.h"
#include "core/StatusRecord.h"
#include "translations/Language.h"

#include <array>
#include <charconv>
#include <initializer_list>
#include <map>
#include <vector>

namespace {

std::string Hex2(unsigned value)
{
    return {UpperHexDigit(value >> 4), UpperHexDigit(value)};
}

// Captions in the language chosen; Russian ones are the table's own.
const char* Caption(const char* source)
{
    return Translated(kStatusFlagsContext, source, CurrentTranslation());
}

const char* ErrorText(const char* source)
{
    return Translated(kErrorCodesContext, source, CurrentTranslation());
}

// The labels of text output speak the output's language, as its captions do.
std::string Label(const char* source, std::initializer_list<std::string> values)
{
    std::string label = Translated("regalo-decode", source, CurrentTranslation());
    char marker[] = "%1";
    for (const std::string& value : values) {
        if (const std::size_t at = label.find(marker); at != std::string::npos)
            label.replace(at, 2, value);
        ++marker[1];
    }
    return label;
}

// The name of a class's form in text output; JSON and CSV keep FormName.
std::string FormLabel(ErrorClassForm form)
{
    switch (form) {
    case ErrorClassForm::NoError:
        return Label(QT_TRANSLATE_NOOP("regalo-decode", "без ошибки"), {});
    case ErrorClassForm::HeaderAndDetail:
        return Label(QT_TRANSLATE_NOOP("regalo-decode", "заголовок и деталь"), {});
    case ErrorClassForm::DetailOnly:
        return Label(QT_TRANSLATE_NOOP("regalo-decode", "только деталь"), {});
    case ErrorClassForm::HeaderOnly:
        return Label(QT_TRANSLATE_NOOP("regalo-decode", "только заголовок"), {});
    case ErrorClassForm::NumberedField:
        return Label(QT_TRANSLATE_NOOP("regalo-decode", "номер поля"), {});
    }
    return {};
}

// What is built once is built once per language: the tests speak both.
template <class Built, class Build>
const Built& OncePerLanguage(Build build)
{
    static std::map<Language, Built> built;
    auto found = built.find(CatalogueLanguage());
    if (found == built.end())
        found = built.emplace(CatalogueLanguage(), build()).first;
    return found->second;
}

std::string_view ReceiptStateCaption(const StatusBytes& bytes)
{
    using Captions = std::array<std::string_view, kReceiptStateCount>;
    const Captions& captions = OncePerLanguage<Captions>([] {
        Captions translated;
        for (std::size_t state = 0; state < translated.size(); ++state)
            translated[state] = Caption(ReceiptStateList[state]);
        return translated;
    });
    return captions[static_cast<std::size_t>(ReceiptStateOf(bytes[kReceiptStateByte]))];
}

void WriteFlagJson(JsonWriter& json, const StatusFlag& flag)
{
    json.BeginObject()
        .Key("bit").Number(flag.bit)
        .Key("byte").Number(flag.byteIndex)
        .Key("caption").String(Caption(flag.caption))
        .Key("value").Number(flag.Value())
        .EndObject();
}

void WriteReceiptStateJson(JsonWriter& json, int state)
{
    json.BeginObject()
        .Key("caption").String(Caption(ReceiptStateList[static_cast<std::size_t>(state)]))
        .Key("value").Number(state)
        .EndObject();
}

// What each value of each byte adds to a streamed line, or to a JSON flag
// list: its set flags in catalogue order, built once, kept side by side.
class FlagParts {
public:
    enum class Form { Line, Json };

    explicit FlagParts(Form form)
    {
        for (int byte = 0; byte < kStatusByteCount; ++byte) {
            for (unsigned value = 0; value < 256; ++value) {
                const std::size_t start = text_.size();
                JsonWriter json(text_); // each value's list stands alone
                for (int bit = 0; bit < kBitsPerByte; ++bit) {
                    if (((value >> bit) & 1u) == 0)
                        continue;
                    const StatusFlag& flag = FlagOf(byte, bit);
                    if (form == Form::Json)
                        WriteFlagJson(json, flag);
                    else
                        text_ += '\t' + std::to_string(byte) + '.' + std::to_string(bit) + ' ' + Caption(flag.caption);
                }
                spans_[Index(static_cast<std::size_t>(byte), value)] = {start, text_.size() - start};
            }
        }
    }

    std::string_view Of(std::size_t byte, unsigned value) const
    {
        const auto [start, length] = spans_[Index(byte, value)];
        return std::string_view(text_).substr(start, length);
    }

private:
    static std::size_t Index(std::size_t byte, unsigned value) { return byte * 256 + (value & 0xFFu); }

    std::string text_;
    std::array<std::pair<std::size_t, std::size_t>, kStatusByteCount * 256> spans_{};
};

const FlagParts& LineParts()
{
    return OncePerLanguage<FlagParts>([] { return FlagParts(FlagParts::Form::Line); });
}

const FlagParts& JsonParts()
{
    return OncePerLanguage<FlagParts>([] { return FlagParts(FlagParts::Form::Json); });
}

const char* FormName(ErrorClassForm form)
{
    switch (form) {
    case ErrorClassForm::NoError:
        return "no error";
    case ErrorClassForm::HeaderAndDetail:
        return "header and detail";
    case ErrorClassForm::DetailOnly:
        return "detail only";
    case ErrorClassForm::HeaderOnly:
        return "header only";
    case ErrorClassForm::NumberedField:
        return "numbered field";
    }
    return "";
}

// The codes a class gives a message of its own for: its listed details, or
// detail 0 for a class whose message does not depend on one.
std::vector<int> ListedDetails(const ErrorClass& errorClass)
{
    std::vector<int> details;
    for (const ErrorDetail& detail : errorClass.details)
        details.push_back(detail.number);
    if (details.empty())
        details.push_back(0);
    return details;
}

} // namespace

void AppendStatusHex(std::string& out, const StatusBytes& bytes)
{
    const std::size_t start = out.size();
    out += kInitialStatusText;
    for (int k = 0; k < kStatusByteCount; ++k) {
        const std::size_t high = start + static_cast<std::size_t>(StatusFieldOffset(k));
        const unsigned value = bytes[static_cast<std::size_t>(k)];
        out[high] = UpperHexDigit(value >> 4);
        out[high + 1] = UpperHexDigit(value);
    }
}

void AppendStatusReport(std::string& out, const StatusBytes& bytes)
{
    AppendStatusHex(out, bytes);
    out += '\n';
    for (int byte = 0; byte < kStatusByteCount; ++byte) {
        const unsigned value = bytes[static_cast<std::size_t>(byte)];
        out += std::string(Caption(ByteCaption(byte))) + ": " + Hex2(value) + '\n';
        for (int bit = 0; bit < kBitsPerByte; ++bit) {
            if ((value >> bit) & 1u)
                out += std::string("  ") + Caption(FlagOf(byte, bit).caption) + '\n';
        }
    }
    out += Label(QT_TRANSLATE_NOOP("regalo-decode", "состояние чека: %1"), {std::string(ReceiptStateCaption(bytes))});
    out += '\n';
}

void AppendStatusLine(std::string& out, const StatusBytes& bytes)
{
    const FlagParts& parts = LineParts();
    const std::string_view state = ReceiptStateCaption(bytes);
    std::string_view pieces[kStatusByteCount];
    std::size_t length = kStatusTextLength + 1 + state.size() + 1;
    for (std::size_t byte = 0; byte < bytes.size(); ++byte) {
        pieces[byte] = parts.Of(byte, bytes[byte]);
        length += pieces[byte].size();
    }
    out.reserve(out.size() + length);
    AppendStatusHex(out, bytes);
    for (std::string_view piece : pieces)
        out += piece;
    out += '\t';
    out += state;
    out += '\n';
}

void AppendStatusJson(std::string& out, std::string_view input, const StatusBytes& bytes)
{
    // Written piece by piece, the flags and the state from pieces built once:
    // a log of status lines is long. Keys in alphabetical order, as before.
    using States = std::array<std::string, kReceiptStateCount>;
    const States& states = OncePerLanguage<States>([] {
        States written;
        for (int state = 0; state < kReceiptStateCount; ++state) {
            JsonWriter json(written[static_cast<std::size_t>(state)]);
            WriteReceiptStateJson(json, state);
        }
        return written;
    });
    char digits[4];
    out += "{\"bytes\":[";
    for (std::size_t byte = 0; byte < bytes.size(); ++byte) {
        if (byte > 0)
            out += ',';
        out.append(digits, std::to_chars(digits, digits + sizeof digits, bytes[byte]).ptr);
    }
    out += "],\"flags\":[";
    bool first = true;
    for (std::size_t byte = 0; byte < bytes.size(); ++byte) {
        const std::string_view flags = JsonParts().Of(byte, bytes[byte]);
        if (flags.empty())
            continue;
        if (!first)
            out += ',';
        out += flags;
        first = false;
    }
    out += "],\"hex\":\"";
    AppendStatusHex(out, bytes);
    out += "\",\"input\":";
    AppendJsonString(out, input);
    out += ",\"receiptState\":";
    out += states[static_cast<std::size_t>(ReceiptStateOf(bytes[kReceiptStateByte]))];
    out += "}\n";
}

std::string OnOneLine(std::string_view message)
{
    std::string line;
    line.reserve(message.size() + 4);
    for (char c : message) {
        if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    return line;
}

void AppendErrorCodeJson(std::string& out, std::string_view input, const ErrorCode& code, std::string_view messageJson)
{
    char digits[4];
    out += "{\"class\":";
    out.append(digits, std::to_chars(digits, digits + sizeof digits, code.errorClass).ptr);
    out += ",\"detail\":";
    out.append(digits, std::to_chars(digits, digits + sizeof digits, code.detail).ptr);
    out += ",\"input\":";
    AppendJsonString(out, input);
    out += FindErrorClass(code.errorClass) != nullptr ? ",\"knownClass\":true,\"message\":" : ",\"knownClass\":false,\"message\":";
    out += messageJson;
    out += "}\n";
}

void AppendInvalidInputJson(std::string& out, std::string_view input, std::string_view error)
{
    JsonWriter(out).BeginObject().Key("error").String(error).Key("input").String(input).EndObject();
    out += '\n';
}

std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\n\r") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string ListErrors(ListFormat format)
{
    std::string out;
    JsonWriter json(out);
    if (format == ListFormat::Csv)
        out = "code,class,detail,form,message\n";
    if (format == ListFormat::Json)
        json.BeginArray();
    for (const ErrorClass& errorClass : ErrorCatalogue) {
        const std::string form = FormName(errorClass.form);
        if (format == ListFormat::Text)
            out += Label(QT_TRANSLATE_NOOP("regalo-decode", "класс %1 (%2), %3"),
                         {Hex2(static_cast<unsigned>(errorClass.number)), std::to_string(errorClass.number),
                          FormLabel(errorClass.form)})
                   + '\n';
        if (format == ListFormat::Json)
            json.BeginObject().Key("class").Number(errorClass.number).Key("details").BeginArray();
        for (int detail : ListedDetails(errorClass)) {
            const std::string code = Hex2(static_cast<unsigned>(detail)) + Hex2(static_cast<unsigned>(errorClass.number));
            const std::string message = BuildErrorMessage(errorClass.number, detail, CurrentTranslation());
            switch (format) {
            case ListFormat::Text:
                out += "  " + code + '\t' + OnOneLine(message) + '\n';
                break;
            case ListFormat::Csv:
                out += code + ',' + std::to_string(errorClass.number) + ',' + std::to_string(detail) + ','
                       + CsvField(form) + ',' + CsvField(message) + '\n';
                break;
            case ListFormat::Json:
                json.BeginObject().Key("code").String(code).Key("detail").Number(detail).Key("message").String(message).EndObject();
                break;
            }
        }
        if (format != ListFormat::Json)
            continue;
        json.EndArray().Key("form").String(form).Key("header").String(ErrorText(errorClass.header));
        if (errorClass.form == ErrorClassForm::NumberedField)
            json.Key("suffix").String(ErrorText(errorClass.suffix));
        if (errorClass.form == ErrorClassForm::HeaderAndDetail || errorClass.form == ErrorClassForm::DetailOnly)
            json.Key("unlistedDetail").String(BuildErrorMessage(errorClass.number, 0x100, CurrentTranslation()));
        json.EndObject();
    }
    if (format == ListFormat::Json) {
        json.EndArray();
        out += '\n';
    }
    return out;
}

std::string ListFlags(ListFormat format)
{
    std::string out;
    JsonWriter json(out);
    switch (format) {
    case ListFormat::Text:
        break;
    case ListFormat::Csv:
        out = "kind,byte,bit,value,caption\n";
        break;
    case ListFormat::Json:
        json.BeginObject().Key("flags").BeginArray();
        break;
    }
    for (const StatusFlag& flag : StatusFlagCatalogue) {
        switch (format) {
        case ListFormat::Text:
            out += Label(QT_TRANSLATE_NOOP("regalo-decode", "байт %1 бит %2 (%3)"),
                         {std::to_string(flag.byteIndex), std::to_string(flag.bit), Hex2(flag.Value())})
                   + '\t' + Caption(flag.caption) + '\n';
            break;
        case ListFormat::Csv:
            out += "flag," + std::to_string(flag.byteIndex) + ',' + std::to_string(flag.bit) + ','
                   + std::to_string(flag.Value()) + ',' + CsvField(Caption(flag.caption)) + '\n';
            break;
        case ListFormat::Json:
            WriteFlagJson(json, flag);
            break;
        }
    }
    if (format == ListFormat::Json)
        json.EndArray().Key("receiptStates").BeginArray();
    for (int state = 0; state < kReceiptStateCount; ++state) {
        const char* caption = Caption(ReceiptStateList[static_cast<std::size_t>(state)]);
        switch (format) {
        case ListFormat::Text:
            out += Label(QT_TRANSLATE_NOOP("regalo-decode", "состояние чека %1"), {std::to_string(state)}) + '\t' + caption
                   + '\n';
            break;
        case ListFormat::Csv:
            out += "receipt state," + std::to_string(kReceiptStateByte) + ",0-" + std::to_string(kReceiptStateBits - 1)
                   + ',' + std::to_string(state) + ',' + CsvField(caption) + '\n';
            break;
        case ListFormat::Json:
            WriteReceiptStateJson(json, state);
            break;
        }
    }
    if (format == ListFormat::Json) {
        json.EndArray().EndObject();
        out += '\n';
    }
    return out;
}
