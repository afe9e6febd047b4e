#include "cli/Output.h"

#include "cli/Json.h"
#include "cli/OutputParts.h"
#include "core/ErrorCodes.h"
#include "core/HexText.h"
#include "core/StatusRecord.h"
#include "translations/Language.h"

#include <array>
#include <charconv>
#include <initializer_list>
#include <map>
#include <vector>

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

namespace {

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

} // namespace

namespace {

std::array<char, kStatusTextLength> StatusHex(const StatusBytes& bytes)
{
    std::array<char, kStatusTextLength> hex{};
    hex.fill(' ');
    for (int k = 0; k < kStatusByteCount; ++k) {
        const auto high = static_cast<std::size_t>(StatusFieldOffset(k));
        const unsigned value = bytes[static_cast<std::size_t>(k)];
        hex[high] = UpperHexDigit(value >> 4);
        hex[high + 1] = UpperHexDigit(value);
    }
    return hex;
}

} // namespace

void AppendStatusHex(std::string& out, const StatusBytes& bytes)
{
    const auto hex = StatusHex(bytes);
    out.append(hex.data(), hex.size());
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
    const auto hex = StatusHex(bytes);
    JsonWriter json(out);
    json.BeginObject().Key("bytes").BeginArray();
    for (const unsigned value : bytes)
        json.Number(value);
    json.EndArray().Key("flags").BeginArray();
    for (std::size_t byte = 0; byte < bytes.size(); ++byte)
        json.Raw(JsonParts().Of(byte, bytes[byte]));
    json.EndArray()
        .Key("hex").String(std::string_view(hex.data(), hex.size()))
        .Key("input").String(input)
        .Key("receiptState").Raw(states[static_cast<std::size_t>(ReceiptStateOf(bytes[kReceiptStateByte]))])
        .EndObject();
    out += '\n';
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
    JsonWriter(out)
        .BeginObject()
        .Key("class").Number(code.errorClass)
        .Key("detail").Number(code.detail)
        .Key("input").String(input)
        .Key("knownClass").Raw(FindErrorClass(code.errorClass) != nullptr ? "true" : "false")
        .Key("message").Raw(messageJson)
        .EndObject();
    out += '\n';
}

void AppendInvalidInputJson(std::string& out, std::string_view input, std::string_view error)
{
    JsonWriter(out).BeginObject().Key("error").String(error).Key("input").String(input).EndObject();
    out += '\n';
}

void AppendStatusCsvHeader(std::string& out, const CsvStyle& style)
{
    AppendCsvHeader(out, {"input", "hex", "receiptState", "receiptStateCaption", "flags", "error"}, style);
}

void AppendStatusCsv(std::string& out, std::string_view input, const StatusBytes& bytes, const CsvStyle& style)
{
    const auto hex = StatusHex(bytes);
    // Each set flag as "byte.bit caption", one to a line of the cell.
    std::string flags;
    for (int byte = 0; byte < kStatusByteCount; ++byte) {
        for (int bit = 0; bit < kBitsPerByte; ++bit) {
            if (((bytes[static_cast<std::size_t>(byte)] >> bit) & 1u) == 0)
                continue;
            if (!flags.empty())
                flags += '\n';
            flags += std::to_string(byte) + '.' + std::to_string(bit) + ' ' + Caption(FlagOf(byte, bit).caption);
        }
    }
    const int state = ReceiptStateOf(bytes[kReceiptStateByte]);
    AppendCsvRow(out,
                 {CsvInput(input), std::string_view(hex.data(), hex.size()), CsvNumber(std::to_string(state)),
                  ReceiptStateCaption(bytes), flags, ""},
                 style);
}

void AppendErrorCodeCsvHeader(std::string& out, const CsvStyle& style)
{
    AppendCsvHeader(out, {"input", "code", "class", "detail", "knownClass", "message", "error"}, style);
}

void AppendErrorCodeCsv(std::string& out, std::string_view input, const ErrorCode& code, std::string_view message,
                        const CsvStyle& style)
{
    const std::string hex = Hex2(static_cast<unsigned>(code.detail)) + Hex2(static_cast<unsigned>(code.errorClass));
    AppendCsvRow(out,
                 {CsvInput(input), hex, CsvNumber(std::to_string(code.errorClass)), CsvNumber(std::to_string(code.detail)),
                  FindErrorClass(code.errorClass) != nullptr ? "true" : "false", message, ""},
                 style);
}

void AppendInvalidStatusCsv(std::string& out, std::string_view input, std::string_view error, const CsvStyle& style)
{
    AppendCsvRow(out, {CsvInput(input), "", "", "", "", error}, style);
}

void AppendInvalidErrorCodeCsv(std::string& out, std::string_view input, std::string_view error, const CsvStyle& style)
{
    AppendCsvRow(out, {CsvInput(input), "", "", "", "", "", error}, style);
}
