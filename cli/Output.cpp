#include "cli/Output.h"

#include "core/ErrorCodes.h"
#include "core/HexText.h"

#include <QJsonDocument>

#include <algorithm>
#include <array>

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Hex2(unsigned value)
{
    return {UpperHexDigit(value >> 4), UpperHexDigit(value)};
}

// "80 80 89 80 80 80": six bytes, seventeen characters.
using HexText = std::array<char, 17>;

HexText HexOf(const StatusBytes& bytes)
{
    HexText hex{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        hex[3 * i] = UpperHexDigit(bytes[i] >> 4);
        hex[3 * i + 1] = UpperHexDigit(bytes[i]);
        if (i + 1 < bytes.size())
            hex[3 * i + 2] = ' ';
    }
    return hex;
}

std::string HexLine(const StatusBytes& bytes)
{
    const HexText hex = HexOf(bytes);
    return std::string(hex.data(), hex.size());
}

int ReceiptState(const StatusBytes& bytes)
{
    return static_cast<int>(bytes[kReceiptStateByte] & 0x0Fu);
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

std::string CodeText(int detail, int errorClass)
{
    return Hex2(static_cast<unsigned>(detail)) + Hex2(static_cast<unsigned>(errorClass));
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

std::string StatusReport(const StatusBytes& bytes)
{
    std::string report = HexLine(bytes) + '\n';
    for (const StatusPanel& panel : StatusPanels) {
        const unsigned value = bytes[static_cast<std::size_t>(panel.byteIndex)];
        report += std::string(panel.caption) + ": " + Hex2(value) + '\n';
        for (int bit = 0; bit < kBitsPerByte; ++bit) {
            if ((value >> bit) & 1u)
                report += std::string("  ") + FlagOf(panel.byteIndex, bit).caption + '\n';
        }
    }
    report += std::string("receipt state: ") + ReceiptStateList[static_cast<std::size_t>(ReceiptState(bytes))] + '\n';
    return report;
}

namespace {

// What each value of each byte adds to a streamed status line: the parts of
// its set flags, in catalogue order, kept side by side in one block.
class ByteParts {
public:
    ByteParts()
    {
        for (int byte = 0; byte < kStatusByteCount; ++byte) {
            for (unsigned value = 0; value < 256; ++value) {
                const std::size_t start = text_.size();
                for (int bit = 0; bit < kBitsPerByte; ++bit) {
                    if ((value >> bit) & 1u) {
                        text_ += '\t';
                        text_ += std::to_string(byte);
                        text_ += '.';
                        text_ += std::to_string(bit);
                        text_ += ' ';
                        text_ += FlagOf(byte, bit).caption;
                    }
                }
                spans_[static_cast<std::size_t>(byte) * 256 + value] = {start, text_.size() - start};
            }
        }
    }

    std::string_view Of(std::size_t byte, unsigned value) const
    {
        const auto [start, length] = spans_[byte * 256 + (value & 0xFFu)];
        return std::string_view(text_).substr(start, length);
    }

private:
    std::string text_;
    std::array<std::pair<std::size_t, std::size_t>, kStatusByteCount * 256> spans_{};
};

} // namespace

void AppendStatusLine(std::string& out, const StatusBytes& bytes)
{
    static const ByteParts parts;
    std::string_view pieces[kStatusByteCount];
    const std::string_view state = ReceiptStateList[static_cast<std::size_t>(ReceiptState(bytes))];
    std::size_t length = std::tuple_size_v<HexText> + 1 + state.size() + 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        pieces[i] = parts.Of(i, bytes[i]);
        length += pieces[i].size();
    }
    const HexText hex = HexOf(bytes);
    out.reserve(out.size() + length);
    out.append(hex.data(), hex.size());
    for (std::string_view piece : pieces)
        out.append(piece);
    out += '\t';
    out.append(state);
    out += '\n';
}

QJsonObject StatusJson(std::string_view input, const StatusBytes& bytes)
{
    QJsonArray values;
    for (unsigned value : bytes)
        values.append(static_cast<int>(value));
    QJsonArray flags;
    for (const StatusFlag& flag : StatusFlagCatalogue) {
        if ((bytes[static_cast<std::size_t>(flag.byteIndex)] >> flag.bit) & 1u) {
            flags.append(QJsonObject{{"byte", flag.byteIndex},
                                     {"bit", flag.bit},
                                     {"value", static_cast<int>(flag.Value())},
                                     {"caption", FromUtf8(flag.caption)}});
        }
    }
    const int state = ReceiptState(bytes);
    return QJsonObject{
        {"input", FromUtf8(input)},
        {"hex", FromUtf8(HexLine(bytes))},
        {"bytes", values},
        {"flags", flags},
        {"receiptState",
         QJsonObject{{"value", state}, {"caption", FromUtf8(ReceiptStateList[static_cast<std::size_t>(state)])}}},
    };
}

std::string ErrorCodeMessage(const ErrorCodeValue& code)
{
    return BuildErrorMessage(code.errorClass, code.detail);
}

std::string OnOneLine(const std::string& message)
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

QJsonObject ErrorCodeJson(std::string_view input, const ErrorCodeValue& code, const std::string& message)
{
    return QJsonObject{
        {"input", FromUtf8(input)},
        {"class", code.errorClass},
        {"detail", code.detail},
        {"knownClass", FindErrorClass(code.errorClass) != nullptr},
        {"message", FromUtf8(message)},
    };
}

QJsonObject InvalidInputJson(std::string_view input, const std::string& error)
{
    return QJsonObject{{"input", FromUtf8(input)}, {"error", FromUtf8(error)}};
}

std::string JsonLine(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString() + '\n';
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

std::string ListErrors(OutputFormat format)
{
    std::string out;
    QJsonArray classes;
    if (format == OutputFormat::Csv)
        out = "code,class,detail,form,message\n";
    for (const ErrorClass& errorClass : ErrorCatalogue) {
        QJsonArray details;
        if (format == OutputFormat::Text)
            out += "class " + Hex2(static_cast<unsigned>(errorClass.number)) + " (" + std::to_string(errorClass.number)
                   + "), " + FormName(errorClass.form) + '\n';
        for (int detail : ListedDetails(errorClass)) {
            const std::string code = CodeText(detail, errorClass.number);
            const std::string message = BuildErrorMessage(errorClass.number, detail);
            switch (format) {
            case OutputFormat::Text:
                out += "  " + code + '\t' + OnOneLine(message) + '\n';
                break;
            case OutputFormat::Csv:
                out += code + ',' + std::to_string(errorClass.number) + ',' + std::to_string(detail) + ','
                       + CsvField(FormName(errorClass.form)) + ',' + CsvField(message) + '\n';
                break;
            case OutputFormat::Json:
                details.append(QJsonObject{{"code", FromUtf8(code)}, {"detail", detail}, {"message", FromUtf8(message)}});
                break;
            }
        }
        if (format == OutputFormat::Json) {
            QJsonObject entry{{"class", errorClass.number},
                              {"form", FormName(errorClass.form)},
                              {"header", FromUtf8(errorClass.header)},
                              {"details", details}};
            if (errorClass.form == ErrorClassForm::NumberedField)
                entry.insert("suffix", FromUtf8(errorClass.suffix));
            if (errorClass.form == ErrorClassForm::HeaderAndDetail || errorClass.form == ErrorClassForm::DetailOnly)
                entry.insert("unlistedDetail", FromUtf8(BuildErrorMessage(errorClass.number, 0x100)));
            classes.append(entry);
        }
    }
    if (format == OutputFormat::Json)
        out = QJsonDocument(classes).toJson(QJsonDocument::Indented).toStdString();
    return out;
}

std::string ListFlags(OutputFormat format)
{
    std::string out;
    QJsonArray flags;
    QJsonArray states;
    if (format == OutputFormat::Csv)
        out = "kind,byte,bit,value,caption\n";
    for (const StatusFlag& flag : StatusFlagCatalogue) {
        const std::string value = Hex2(flag.Value());
        switch (format) {
        case OutputFormat::Text:
            out += "byte " + std::to_string(flag.byteIndex) + " bit " + std::to_string(flag.bit) + " (" + value + ")\t"
                   + flag.caption + '\n';
            break;
        case OutputFormat::Csv:
            out += "flag," + std::to_string(flag.byteIndex) + ',' + std::to_string(flag.bit) + ','
                   + std::to_string(flag.Value()) + ',' + CsvField(flag.caption) + '\n';
            break;
        case OutputFormat::Json:
            flags.append(QJsonObject{{"byte", flag.byteIndex},
                                     {"bit", flag.bit},
                                     {"value", static_cast<int>(flag.Value())},
                                     {"caption", FromUtf8(flag.caption)}});
            break;
        }
    }
    for (int state = 0; state < kReceiptStateCount; ++state) {
        const char* caption = ReceiptStateList[static_cast<std::size_t>(state)];
        switch (format) {
        case OutputFormat::Text:
            out += "receipt state " + std::to_string(state) + '\t' + caption + '\n';
            break;
        case OutputFormat::Csv:
            out += "receipt state," + std::to_string(kReceiptStateByte) + ",0-3," + std::to_string(state) + ','
                   + CsvField(caption) + '\n';
            break;
        case OutputFormat::Json:
            states.append(QJsonObject{{"value", state}, {"caption", FromUtf8(caption)}});
            break;
        }
    }
    if (format == OutputFormat::Json) {
        const QJsonObject all{{"flags", flags}, {"receiptStates", states}};
        out = QJsonDocument(all).toJson(QJsonDocument::Indented).toStdString();
    }
    return out;
}
