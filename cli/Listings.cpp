#include "cli/Listings.h"

#include "cli/Output.h"
#include "cli/OutputParts.h"
#include "core/ErrorCodes.h"
#include "translations/Language.h"

#include <vector>

namespace {

// The form's name in JSON and CSV, which programs read.
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

// The form's name in text output, which people read.
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

std::string CodeOf(const ErrorClass& errorClass, int detail)
{
    return Hex2(static_cast<unsigned>(detail)) + Hex2(static_cast<unsigned>(errorClass.number));
}

std::string MessageOf(const ErrorClass& errorClass, int detail)
{
    return BuildErrorMessage(errorClass.number, detail, CurrentTranslation());
}

std::string ErrorsText()
{
    std::string out;
    for (const ErrorClass& errorClass : ErrorCatalogue) {
        out += Label(QT_TRANSLATE_NOOP("regalo-decode", "класс %1 (%2), %3"),
                     {Hex2(static_cast<unsigned>(errorClass.number)), std::to_string(errorClass.number),
                      FormLabel(errorClass.form)})
               + '\n';
        for (int detail : ListedDetails(errorClass))
            out += "  " + CodeOf(errorClass, detail) + '\t' + OnOneLine(MessageOf(errorClass, detail)) + '\n';
    }
    return out;
}

std::string ErrorsCsv(const CsvStyle& style)
{
    std::string out;
    AppendCsvHeader(out, {"code", "class", "detail", "form", "message"}, style);
    for (const ErrorClass& errorClass : ErrorCatalogue) {
        for (int detail : ListedDetails(errorClass))
            AppendCsvRow(out,
                         {CodeOf(errorClass, detail), CsvNumber(std::to_string(errorClass.number)),
                          CsvNumber(std::to_string(detail)), FormName(errorClass.form), MessageOf(errorClass, detail)},
                         style);
    }
    return out;
}

std::string ErrorsJson()
{
    std::string out;
    JsonWriter json(out);
    json.BeginArray();
    for (const ErrorClass& errorClass : ErrorCatalogue) {
        json.BeginObject().Key("class").Number(errorClass.number).Key("details").BeginArray();
        for (int detail : ListedDetails(errorClass))
            json.BeginObject()
                .Key("code").String(CodeOf(errorClass, detail))
                .Key("detail").Number(detail)
                .Key("message").String(MessageOf(errorClass, detail))
                .EndObject();
        json.EndArray().Key("form").String(FormName(errorClass.form)).Key("header").String(ErrorText(errorClass.header));
        if (errorClass.form == ErrorClassForm::NumberedField)
            json.Key("suffix").String(ErrorText(errorClass.suffix));
        if (errorClass.form == ErrorClassForm::HeaderAndDetail || errorClass.form == ErrorClassForm::DetailOnly)
            json.Key("unlistedDetail").String(MessageOf(errorClass, 0x100));
        json.EndObject();
    }
    json.EndArray();
    out += '\n';
    return out;
}

const char* StateCaption(int state)
{
    return Caption(ReceiptStateList[static_cast<std::size_t>(state)]);
}

std::string FlagsText()
{
    std::string out;
    for (const StatusFlag& flag : StatusFlagCatalogue)
        out += Label(QT_TRANSLATE_NOOP("regalo-decode", "байт %1 бит %2 (%3)"),
                     {std::to_string(flag.byteIndex), std::to_string(flag.bit), Hex2(flag.Value())})
               + '\t' + Caption(flag.caption) + '\n';
    for (int state = 0; state < kReceiptStateCount; ++state)
        out += Label(QT_TRANSLATE_NOOP("regalo-decode", "состояние чека %1"), {std::to_string(state)}) + '\t'
               + StateCaption(state) + '\n';
    return out;
}

std::string FlagsCsv(const CsvStyle& style)
{
    std::string out;
    AppendCsvHeader(out, {"kind", "byte", "bit", "value", "caption"}, style);
    for (const StatusFlag& flag : StatusFlagCatalogue)
        AppendCsvRow(out,
                     {"flag", CsvNumber(std::to_string(flag.byteIndex)), CsvNumber(std::to_string(flag.bit)),
                      CsvNumber(std::to_string(flag.Value())), Caption(flag.caption)},
                     style);
    const std::string stateBits = "0-" + std::to_string(kReceiptStateBits - 1);
    for (int state = 0; state < kReceiptStateCount; ++state)
        AppendCsvRow(out,
                     {"receipt state", CsvNumber(std::to_string(kReceiptStateByte)), stateBits,
                      CsvNumber(std::to_string(state)), StateCaption(state)},
                     style);
    return out;
}

std::string FlagsJson()
{
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("flags").BeginArray();
    for (const StatusFlag& flag : StatusFlagCatalogue)
        WriteFlagJson(json, flag);
    json.EndArray().Key("receiptStates").BeginArray();
    for (int state = 0; state < kReceiptStateCount; ++state)
        WriteReceiptStateJson(json, state);
    json.EndArray().EndObject();
    out += '\n';
    return out;
}

} // namespace

std::string ListErrors(Format format)
{
    if (const CsvStyle* style = CsvStyleOf(format))
        return ErrorsCsv(*style);
    return format == Format::Json ? ErrorsJson() : ErrorsText();
}

std::string ListFlags(Format format)
{
    if (const CsvStyle* style = CsvStyleOf(format))
        return FlagsCsv(*style);
    return format == Format::Json ? FlagsJson() : FlagsText();
}
