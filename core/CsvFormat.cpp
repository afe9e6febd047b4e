// CSV, for programs, and as Excel opens it by a double-click: a header row,
// then a row per value (a value that could not be read has its input and
// the reason, the rest empty); the catalogue and what changed as rows.
#include "core/Csv.h"
#include "core/Explanation.h"
#include "core/FormatParts.h"
#include "core/Formats.h"

#include <algorithm>

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
        // Every code's upper-case digits take a cell of the same length.
        std::string cell;
        AppendCsvField(cell, CsvInput("0000"), style_);
        codeCellLength_ = cell.size();
    }

    void Header(std::string& out) const override
    {
        if (kind_ == ValueKind::Status)
            AppendCsvHeader(out, {"input", "hex", "receiptState", "receiptStateCaption", "flags", "error"}, style_);
        else if (kind_ == ValueKind::ErrorCode)
            AppendCsvHeader(out, {"input", "code", "class", "detail", "knownClass", "message", "error"}, style_);
        else if (kind_ == ValueKind::LogReading)
            AppendCsvHeader(out,
                            {"file", "line", "time", "kind", "input", "hex", "receiptState", "receiptStateCaption", "flags", "code",
                             "class", "detail", "knownClass", "message", "changes", "error"},
                            style_);
    }

    void Status(std::string& out, std::string_view input, const StatusBytes& bytes) const override
    {
        const std::size_t start = out.size();
        AppendCsvField(out, CsvInput(input), style_);
        const WrittenCell inputCell{input, start, out.size() - start};
        out += style_.separator;
        AppendStatusCells(out, bytes, &inputCell);
        out += style_.separator;
        out += style_.lineEnd;
    }

    // Everything after the input, once per code: its cells, then the empty
    // last one (the reason a value was refused, or a log's changes).
    std::string Message(const ErrorCode& code) const override
    {
        const std::string digits = ErrorCodeText(code);
        const std::string said = DescribeCode(code, translate_).text;
        // The texts the cells point into live to the end of the loop.
        const std::string errorClass = Number(code.errorClass);
        const std::string detail = Number(code.detail);
        std::string cells;
        for (const CsvCell& cell : {CsvCell(digits), CsvNumber(errorClass), CsvNumber(detail),
                                    CsvCell(FindErrorClass(code.errorClass) != nullptr ? "true" : "false"), CsvCell(said),
                                    CsvCell("")}) {
            cells += style_.separator;
            AppendCsvField(cells, cell, style_);
        }
        cells += style_.lineEnd;
        if (kind_ != ValueKind::ErrorCode)
            return cells;
        // A stream's whole line where the input is the code as most streams
        // write it, in upper case; Code takes the input's cell off otherwise.
        std::string line;
        AppendCsvField(line, CsvInput(digits), style_);
        return line + cells;
    }

    // File (empty where not named), line, time and kind, the input, then a
    // status line's cells and its changes in words, or, four cells on, an
    // error code's; a value that cannot be read has the reason, last.
    void Reading(std::string& out, const ScanRecord& record, std::string_view message) const override
    {
        const FoundReading::Kind kind = record.reading.kind;
        AppendCsvField(out, CsvInput(record.file), style_);
        const std::string line = Number(static_cast<long long>(record.line));
        const std::string time = TimeText(record.time);
        for (const CsvCell& cell : {CsvNumber(line), CsvCell(time), CsvCell(ReadingKindName(kind)), CsvInput(record.reading.text)}) {
            out += style_.separator;
            AppendCsvField(out, cell, style_);
        }
        switch (kind) {
        case FoundReading::Kind::Error:
            // Its cells and the empty changes, then the empty error.
            out.append(4, style_.separator);
            out += message.substr(0, message.size() - style_.lineEnd.size());
            out += style_.separator;
            out += style_.lineEnd;
            return;
        case FoundReading::Kind::Unreadable:
            out.append(11, style_.separator);
            AppendCsvField(out, message, style_);
            out += style_.lineEnd;
            return;
        case FoundReading::Kind::Status:
            out += style_.separator;
            AppendStatusCells(out, record.reading.bytes);
            out.append(6, style_.separator);
            if (record.previous) {
                std::string changes;
                AppendFlagChanges(changes, *record.previous, record.reading.bytes, '\n', translate_);
                AppendCsvField(out, changes, style_);
            }
            out += style_.separator;
            out += style_.lineEnd;
            return;
        }
    }
    void Code(std::string& out, std::string_view input, const ErrorCode& code, std::string_view message) const override
    {
        if (kind_ != ValueKind::ErrorCode || !IsUpperCaseCodeText(input, code)) {
            AppendCsvField(out, CsvInput(input), style_);
            message.remove_prefix(kind_ == ValueKind::ErrorCode ? codeCellLength_ : 0);
        }
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

    // A header, then a row for the log's counts and span, one per code, per
    // flag that changed and per receipt state shown.
    void Summary(std::string& out, const LogSummary& summary) const override
    {
        AppendCsvHeader(out, {"kind", "code", "byte", "bit", "value", "caption", "count", "set", "cleared", "first", "last", "msSet"},
                        style_);
        const auto time = [](const std::optional<LogTime>& time) { return time ? TimeText(*time) : std::string(); };
        const auto number = [](auto n) { return Number(static_cast<long long>(n)); };
        const std::string readings = number(summary.Readings());
        const std::string first = time(summary.First());
        const std::string last = time(summary.Last());
        AppendCsvRow(out, {"readings", "", "", "", "", "", CsvNumber(readings), "", "", first, last, ""}, style_);
        for (const auto& [kind, n] : {std::pair{"status lines", summary.StatusLines()}, std::pair{"error codes", summary.Codes()},
                                      std::pair{"unreadable", summary.Unreadable()}}) {
            const std::string shown = number(n);
            AppendCsvRow(out, {kind, "", "", "", "", "", CsvNumber(shown), "", "", "", "", ""}, style_);
        }
        for (const LogSummary::CodeSeen& seen : summary.CodesSeen()) {
            const std::string code = ErrorCodeText(seen.code);
            const std::string message = DescribeCode(seen.code, translate_).text;
            const std::string count = number(seen.count);
            const std::string from = time(seen.first);
            const std::string to = time(seen.last);
            AppendCsvRow(out, {"error", code, "", "", "", message, CsvNumber(count), "", "", from, to, ""}, style_);
        }
        for (const LogSummary::FlagChanges& changes : summary.FlagsChanged()) {
            const StatusFlag& flag = *changes.flag;
            const std::string byte = number(flag.byteIndex);
            const std::string bit = number(flag.bit);
            const std::string value = number(flag.Value());
            const std::string set = number(changes.set);
            const std::string cleared = number(changes.cleared);
            const std::string from = time(changes.firstSet);
            const std::string to = time(changes.lastCleared);
            const std::string ms = number(changes.msSet);
            AppendCsvRow(out,
                         {"flag", "", CsvNumber(byte), CsvNumber(bit), CsvNumber(value), CaptionIn(flag.caption, translate_), "",
                          CsvNumber(set), CsvNumber(cleared), from, to, CsvNumber(ms)},
                         style_);
        }
        for (std::size_t state = 0; state < kReceiptStateCount; ++state) {
            const std::uint64_t shown = summary.ReceiptStates()[state];
            if (shown == 0)
                continue;
            const std::string value = number(state);
            const std::string count = number(shown);
            AppendCsvRow(out, {"receipt state", "", "", "", CsvNumber(value), ReceiptStateCaptions(translate_)[state], CsvNumber(count), "",
                               "", "", "", ""},
                         style_);
        }
    }

private:
    // hex, receiptState, receiptStateCaption, flags.
    // A cell already in `out`: its text, where it starts and its length.
    struct WrittenCell {
        std::string_view text;
        std::size_t start;
        std::size_t length;
    };
    void AppendStatusCells(std::string& out, const StatusBytes& bytes, const WrittenCell* input = nullptr) const
    {
        const auto hex = StatusHexChars(bytes);
        const std::string_view hexText(hex.data(), hex.size());
        // The input is most often the bytes as the hex cell has them: the same cell again.
        if (input && input->text == hexText)
            out.append(out, input->start, input->length);
        else
            AppendCsvField(out, hexText, style_);
        out += style_.separator;
        out += StateCells(ReceiptStateOf(bytes[kReceiptStateByte]));
        out += style_.separator;
        AppendFlags(out, bytes);
    }

    static std::string StateBits() { return "0-" + Number(kReceiptStateBits - 1); }

    // Each set flag as "byte.bit caption", one to a line of the cell. A
    // reading has a flag in every byte, bit 7, so its cell holds line feeds
    // and is quoted, in Excel too: written from pieces built once, their
    // quotes doubled.
    void AppendFlags(std::string& out, const StatusBytes& bytes) const
    {
        const TextTranslation translate = translate_;
        const BytePieces& pieces = OncePerLanguage(translate, [translate] {
            return BytePieces([translate](std::string& text, const StatusFlag& flag, std::size_t) {
                text += '\n' + Number(flag.byteIndex) + '.' + Number(flag.bit) + ' ';
                AppendDoubledQuotes(text, CaptionIn(flag.caption, translate));
            });
        });
        const auto set = [](unsigned value) { return (value & 0xFFu) != 0; };
        const auto several = [](unsigned value) { return (value & (value - 1) & 0xFFu) != 0; };
        if (std::count_if(bytes.begin(), bytes.end(), set) >= 2 || std::any_of(bytes.begin(), bytes.end(), several)) {
            out += '"';
            const std::size_t start = out.size();
            for (std::size_t byte = 0; byte < bytes.size(); ++byte)
                out += pieces.Of(byte, bytes[byte]);
            out.erase(start, 1); // the line feed before the first
            out += '"';
            return;
        }
        std::string flag;
        for (const StatusFlag& set : StatusFlagCatalogue) {
            if (bytes[static_cast<std::size_t>(set.byteIndex)] & set.Value())
                flag = Number(set.byteIndex) + '.' + Number(set.bit) + ' ' + CaptionIn(set.caption, translate_);
        }
        AppendCsvField(out, flag, style_);
    }

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
    std::size_t codeCellLength_;
};

} // namespace

std::unique_ptr<FormatWriter> MakeCsvWriter(Format format, ValueKind kind, TextTranslation translate)
{
    return std::make_unique<CsvWriter>(format == Format::Excel ? kExcel : kCsv, kind, translate);
}
