#include "cli/Difference.h"

#include "cli/Json.h"
#include "cli/OutputParts.h"
#include "core/Explanation.h"
#include "translations/Language.h"

namespace {

int StateOf(const StatusBytes& bytes)
{
    return ReceiptStateOf(bytes[kReceiptStateByte]);
}

std::string DifferenceJson(const StatusBytes& before, const StatusBytes& after)
{
    std::string out;
    JsonWriter json(out);
    json.BeginObject().Key("after").String(StatusHexText(after)).Key("before").String(StatusHexText(before));
    json.Key("changes").BeginArray();
    ForEachFlagChange(before, after, [&](const StatusFlag& flag, bool set) {
        json.BeginObject()
            .Key("bit").Number(flag.bit)
            .Key("byte").Number(flag.byteIndex)
            .Key("caption").String(Caption(flag.caption))
            .Key("set").Raw(set ? "true" : "false")
            .Key("value").Number(flag.Value())
            .EndObject();
    });
    json.EndArray().Key("receiptState").BeginObject().Key("after");
    WriteReceiptStateJson(json, StateOf(after));
    json.Key("before");
    WriteReceiptStateJson(json, StateOf(before));
    json.EndObject().Key("same").Raw(before == after ? "true" : "false").EndObject();
    return out + '\n';
}

std::string DifferenceCsv(const StatusBytes& before, const StatusBytes& after, const CsvStyle& style)
{
    std::string out;
    AppendCsvHeader(out, {"change", "byte", "bit", "value", "caption"}, style);
    ForEachFlagChange(before, after, [&](const StatusFlag& flag, bool set) {
        AppendCsvRow(out,
                     {set ? "set" : "cleared", CsvNumber(std::to_string(flag.byteIndex)), CsvNumber(std::to_string(flag.bit)),
                      CsvNumber(std::to_string(flag.Value())), Caption(flag.caption)},
                     style);
    });
    const std::string stateBits = "0-" + std::to_string(kReceiptStateBits - 1);
    for (const auto& [change, bytes] : {std::pair{"receipt state before", &before}, std::pair{"receipt state after", &after}}) {
        const int state = StateOf(*bytes);
        AppendCsvRow(out,
                     {change, CsvNumber(std::to_string(kReceiptStateByte)), stateBits, CsvNumber(std::to_string(state)),
                      Caption(ReceiptStateList[static_cast<std::size_t>(state)])},
                     style);
    }
    return out;
}

} // namespace

std::string WriteDifference(const StatusBytes& before, const StatusBytes& after, Format format)
{
    if (const CsvStyle* style = CsvStyleOf(format))
        return DifferenceCsv(before, after, *style);
    if (format == Format::Json)
        return DifferenceJson(before, after);
    return ExplainChange(before, after, CurrentTranslation()) + '\n';
}
