// CSV, for programs, and as Excel opens it by a double-click: a header row,
// then a row per value (a value that could not be read has its input and
// the reason, the rest empty); the catalogue and what changed as rows.
#include "core/Csv.h"
#include "core/Explanation.h"
#include "core/FormatParts.h"
#include "core/Formats.h"

namespace {

std::string Number(long long value)
{
    return std::to_string(value);
}

class CsvWriter : public FormatWriter {
public:
    CsvWriter(const CsvStyle& style, ValueKind kind, TextTranslation translate)
        : style_(style), kind_(kind), translate_(translate)
    {
    }

    void Header(std::string& out) const override
    {
        if (kind_ == ValueKind::Status)
            AppendCsvHeader(out, {"input", "hex", "receiptState", "receiptStateCaption", "flags", "error"}, style_);
        else
            AppendCsvHeader(out, {"input", "code", "class", "detail", "knownClass", "message", "error"}, style_);
    }

    void Status(std::string& out, std::string_view input, const StatusBytes& bytes) const override
    {
        // Each set flag as "byte.bit caption", one to a line of the cell,
        // from pieces built once; the state's cells likewise.
        const TextTranslation translate = translate_;
        const BytePieces& pieces = OncePerLanguage(translate, [translate] {
            return BytePieces([translate](std::string& text, const StatusFlag& flag, std::size_t) {
                text += '\n' + std::to_string(flag.byteIndex) + '.' + std::to_string(flag.bit) + ' ' + CaptionIn(flag.caption, translate);
            });
        });
        std::string flags;
        for (std::size_t byte = 0; byte < bytes.size(); ++byte)
            flags += pieces.Of(byte, bytes[byte]);
        const int state = ReceiptStateOf(bytes[kReceiptStateByte]);
        AppendCsvField(out, CsvInput(input), style_);
        out += style_.separator;
        AppendCsvField(out, StatusHexText(bytes), style_);
        out += style_.separator;
        out += StateCells(state);
        out += style_.separator;
        AppendCsvField(out, std::string_view(flags).substr(flags.empty() ? 0 : 1), style_);
        out += style_.separator;
        out += style_.lineEnd;
    }

    // Everything after the input, once per code.
    std::string Message(const ErrorCode& code, const std::string& text) const override
    {
        std::string cells;
        for (const CsvCell& cell : {CsvCell(ErrorCodeText(code)), CsvNumber(Number(code.errorClass)), CsvNumber(Number(code.detail)),
                                    CsvCell(FindErrorClass(code.errorClass) != nullptr ? "true" : "false"), CsvCell(text),
                                    CsvCell("")}) {
            cells += style_.separator;
            AppendCsvField(cells, cell, style_);
        }
        return cells + std::string(style_.lineEnd);
    }
    void Code(std::string& out, std::string_view input, const ErrorCode&, std::string_view message) const override
    {
        AppendCsvField(out, CsvInput(input), style_);
        out += message;
    }
    void Invalid(std::string& out, std::string_view input, std::string_view why) const override
    {
        if (kind_ == ValueKind::Status)
            AppendCsvRow(out, {CsvInput(input), "", "", "", "", why}, style_);
        else
            AppendCsvRow(out, {CsvInput(input), "", "", "", "", "", why}, style_);
    }
    void Blank(std::string& out) const override { Invalid(out, "", ""); }

    void Errors(std::string& out) const override
    {
        AppendCsvHeader(out, {"code", "class", "detail", "form", "message"}, style_);
        for (const ErrorClass& errorClass : ErrorCatalogue) {
            for (int detail : ListedDetails(errorClass))
                AppendCsvRow(out,
                             {ErrorCodeText({errorClass.number, detail}), CsvNumber(Number(errorClass.number)),
                              CsvNumber(Number(detail)), FormName(errorClass.form),
                              BuildErrorMessage(errorClass.number, detail, translate_)},
                             style_);
        }
    }
    void Flags(std::string& out) const override
    {
        AppendCsvHeader(out, {"kind", "byte", "bit", "value", "caption"}, style_);
        for (const StatusFlag& flag : StatusFlagCatalogue)
            AppendCsvRow(out,
                         {"flag", CsvNumber(Number(flag.byteIndex)), CsvNumber(Number(flag.bit)), CsvNumber(Number(flag.Value())),
                          CaptionIn(flag.caption, translate_)},
                         style_);
        for (int state = 0; state < kReceiptStateCount; ++state)
            AppendCsvRow(out,
                         {"receipt state", CsvNumber(Number(kReceiptStateByte)), StateBits(), CsvNumber(Number(state)),
                          CaptionIn(ReceiptStateList[static_cast<std::size_t>(state)], translate_)},
                         style_);
    }

    void Difference(std::string& out, const StatusBytes& before, const StatusBytes& after) const override
    {
        AppendCsvHeader(out, {"change", "byte", "bit", "value", "caption"}, style_);
        ForEachFlagChange(before, after, [&](const StatusFlag& flag, bool set) {
            AppendCsvRow(out,
                         {set ? "set" : "cleared", CsvNumber(Number(flag.byteIndex)), CsvNumber(Number(flag.bit)),
                          CsvNumber(Number(flag.Value())), CaptionIn(flag.caption, translate_)},
                         style_);
        });
        for (const auto& [change, bytes] : {std::pair{"receipt state before", &before}, std::pair{"receipt state after", &after}}) {
            const int state = ReceiptStateOf((*bytes)[kReceiptStateByte]);
            AppendCsvRow(out,
                         {change, CsvNumber(Number(kReceiptStateByte)), StateBits(), CsvNumber(Number(state)),
                          CaptionIn(ReceiptStateList[static_cast<std::size_t>(state)], translate_)},
                         style_);
        }
    }

private:
    static std::string StateBits() { return "0-" + Number(kReceiptStateBits - 1); }

    // The receipt state's number and caption, two cells.
    const std::string& StateCells(int state) const
    {
        const auto& cells = style_.textAsFormula ? Cells<true>() : Cells<false>();
        return cells[static_cast<std::size_t>(state)];
    }
    template <bool excel>
    const std::array<std::string, kReceiptStateCount>& Cells() const
    {
        const TextTranslation translate = translate_;
        const CsvStyle& style = style_;
        return OncePerLanguage(translate, [translate, &style] {
            std::array<std::string, kReceiptStateCount> cells;
            for (int state = 0; state < kReceiptStateCount; ++state) {
                std::string& two = cells[static_cast<std::size_t>(state)];
                AppendCsvField(two, CsvNumber(Number(state)), style);
                two += style.separator;
                AppendCsvField(two, ReceiptStateCaptions(translate)[static_cast<std::size_t>(state)], style);
            }
            return cells;
        });
    }

    const CsvStyle& style_;
    ValueKind kind_;
    TextTranslation translate_;
};

} // namespace

std::unique_ptr<FormatWriter> MakeCsvWriter(Format format, ValueKind kind, TextTranslation translate)
{
    return std::make_unique<CsvWriter>(format == Format::Excel ? kExcel : kCsv, kind, translate);
}
