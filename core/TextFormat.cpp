// Text for people: a value given as arguments in full, a stream one line
// per value with its fields split by tabs, the catalogue as a list.
#include "core/Diagnostics.h"
#include "core/Explanation.h"
#include "core/FormatParts.h"
#include "core/Formats.h"
#include "core/SummaryWords.h"
#include "core/HexText.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

namespace {

std::string Label(const char* source, std::initializer_list<std::string_view> values, TextTranslation translate)
{
    return Filled(Translated(kReportContext, source, translate), values);
}

std::string FormLabel(ErrorClassForm form, TextTranslation translate)
{
    switch (form) {
    case ErrorClassForm::NoError:
        return Label(QT_TRANSLATE_NOOP("Report", "без ошибки"), {}, translate);
    case ErrorClassForm::HeaderAndDetail:
        return Label(QT_TRANSLATE_NOOP("Report", "заголовок и деталь"), {}, translate);
    case ErrorClassForm::DetailOnly:
        return Label(QT_TRANSLATE_NOOP("Report", "только деталь"), {}, translate);
    case ErrorClassForm::HeaderOnly:
        return Label(QT_TRANSLATE_NOOP("Report", "только заголовок"), {}, translate);
    case ErrorClassForm::NumberedField:
        return Label(QT_TRANSLATE_NOOP("Report", "номер поля"), {}, translate);
    }
    return {};
}

// The message with its line feeds written as \n, to keep it on one line.
void AppendOnOneLine(std::string& line, std::string_view message)
{
    for (std::size_t start = 0; start <= message.size();) {
        const std::size_t feed = std::min(message.find('\n', start), message.size());
        line.append(message.substr(start, feed - start));
        if (feed < message.size())
            line += "\\n";
        start = feed + 1;
    }
}

std::string OnOneLine(std::string_view message)
{
    std::string line;
    AppendOnOneLine(line, message);
    return line;
}

std::string Hex(unsigned value)
{
    std::string hex;
    AppendHexByte(hex, value);
    return hex;
}

class TextWriter : public FormatWriter {
public:
    TextWriter(ValueSource source, TextTranslation translate)
        : lines_(source == ValueSource::Lines), translate_(translate)
    {
    }

    void Status(std::string& out, std::string_view, const StatusBytes& bytes) const override
    {
        if (lines_)
            StatusLine(out, bytes);
        else
            StatusReport(out, bytes);
    }
    std::string Message(const ErrorCode& code) const override
    {
        if (!lines_) {
            std::string said = DescribeCode(code, translate_).text;
            return said += '\n';
        }
        // The whole line, the code as written upper case: most logs write it so.
        std::string line;
        line.reserve(64);
        AppendHexByte(line, static_cast<unsigned>(code.detail));
        AppendHexByte(line, static_cast<unsigned>(code.errorClass));
        line += '\t';
        const std::size_t start = line.size();
        AppendCodeDescription(line, code, translate_);
        if (line.find('\n', start) != std::string::npos) {
            const std::string said = line.substr(start);
            line.resize(start);
            AppendOnOneLine(line, said);
        }
        line += '\n';
        return line;
    }
    void Code(std::string& out, std::string_view input, const ErrorCode&, std::string_view message) const override
    {
        // The line begins with the code in upper case: compared there, at once.
        if (lines_ && (input.size() != kErrorCodeLength || std::memcmp(input.data(), message.data(), kErrorCodeLength) != 0)) {
            out += input;
            message.remove_prefix(kErrorCodeLength);
        }
        out += message;
    }
    void Invalid(std::string& out, std::string_view input, std::string_view why) const override
    {
        if (lines_)
            AppendInvalidLine(out, input, why);
    }
    void Blank(std::string& out) const override
    {
        if (lines_)
            out += '\n';
    }

    void Errors(std::string& out) const override
    {
        for (const ErrorClass& errorClass : ErrorCatalogue) {
            const auto number = static_cast<unsigned>(errorClass.number);
            out += Label(QT_TRANSLATE_NOOP("Report", "класс %1 (%2), %3"),
                         {Hex(number), std::to_string(number), FormLabel(errorClass.form, translate_)}, translate_)
                   + '\n';
            for (int detail : ListedDetails(errorClass))
                out += "  " + ErrorCodeText({errorClass.number, detail}) + '\t'
                       + OnOneLine(BuildErrorMessage(errorClass.number, detail, translate_)) + '\n';
        }
    }
    void Flags(std::string& out) const override
    {
        for (const StatusFlag& flag : StatusFlagCatalogue)
            out += Label(QT_TRANSLATE_NOOP("Report", "байт %1 бит %2 (%3)"),
                         {std::to_string(flag.byteIndex), std::to_string(flag.bit), Hex(flag.Value())}, translate_)
                   + '\t' + CaptionIn(flag.caption, translate_) + '\n';
        for (int state = 0; state < kReceiptStateCount; ++state)
            out += Label(QT_TRANSLATE_NOOP("Report", "состояние чека %1"), {std::to_string(state)}, translate_) + '\t'
                   + CaptionIn(ReceiptStateList[static_cast<std::size_t>(state)], translate_) + '\n';
    }

    void Difference(std::string& out, const StatusBytes& before, const StatusBytes& after) const override
    {
        out += ExplainChange(before, after, translate_);
        out += '\n';
    }

    // One line: the file where it is named, number, time ("-" for none),
    // the value, then its words in a few words split by tabs: the first
    // status line in full, the others what changed; a value that cannot be
    // read as a stream's line is refused.
    void Reading(std::string& out, const ScanRecord& record, std::string_view message) const override
    {
        if (!record.file.empty()) {
            AppendEscaped(out, record.file, std::numeric_limits<std::size_t>::max());
            out += '\t';
        }
        char number[24];
        out.append(number, std::to_chars(number, number + sizeof number, record.line).ptr);
        out += '\t';
        if (record.time.Known())
            AppendTime(out, record.time);
        else
            out += '-';
        out += '\t';
        const FoundReading& reading = record.reading;
        switch (reading.kind) {
        case FoundReading::Kind::Error:
            out += message;
            return;
        case FoundReading::Kind::Unreadable:
            AppendInvalidLine(out, reading.text, message);
            return;
        case FoundReading::Kind::Status:
            AppendStatusHex(out, reading.bytes);
            out += '\t';
            AppendReadingWords(out, reading.bytes, record.previous, '\t', translate_);
            out += '\n';
            return;
        }
    }

    // A few lines: the counts, the span, each code, each flag that changed,
    // each receipt state shown.
    void Summary(std::string& out, const LogSummary& summary) const override
    {
        const SummaryWords words = WordsOf(summary, translate_);
        const auto line = [&out](const std::string& text, const char* indent = "") {
            if (!text.empty())
                out += indent + text + '\n';
        };
        line(words.counts);
        line(words.span);
        for (const auto& [heading, lines] : {std::pair{&words.codesHeading, &words.codes}, std::pair{&words.flagsHeading, &words.flags},
                                             std::pair{&words.statesHeading, &words.states}}) {
            if (lines->empty())
                continue;
            line(*heading);
            for (const std::string& text : *lines)
                line(text, "  ");
        }
    }

private:
    // The byte line, each byte's caption with the captions of its set flags,
    // and the receipt state.
    void StatusReport(std::string& out, const StatusBytes& bytes) const
    {
        AppendStatusHex(out, bytes);
        out += '\n';
        for (int byte = 0; byte < kStatusByteCount; ++byte) {
            const unsigned value = bytes[static_cast<std::size_t>(byte)];
            out += std::string(CaptionIn(ByteCaption(byte), translate_)) + ": " + Hex(value) + '\n';
            for (int bit = 0; bit < kBitsPerByte; ++bit) {
                if ((value >> bit) & 1u)
                    out += std::string("  ") + CaptionIn(FlagOf(byte, bit).caption, translate_) + '\n';
            }
        }
        out += Label(QT_TRANSLATE_NOOP("Report", "состояние чека: %1"), {ReceiptStateCaption(bytes, translate_)}, translate_);
        out += '\n';
    }

    // One line: the bytes, then each set flag as "byte.bit caption" and the
    // receipt state, separated by tabs. From pieces built once.
    void StatusLine(std::string& out, const StatusBytes& bytes) const
    {
        const TextTranslation translate = translate_;
        const BytePieces& pieces = OncePerLanguage(translate, [translate] {
            return BytePieces([translate](std::string& text, const StatusFlag& flag, std::size_t) {
                text += '\t' + std::to_string(flag.byteIndex) + '.' + std::to_string(flag.bit) + ' ' + CaptionIn(flag.caption, translate);
            });
        });
        // The state's caption with the tab before it and the line's end.
        using StateEnds = std::array<std::string, kReceiptStateCount>;
        const StateEnds& ends = OncePerLanguage(translate, [translate] {
            StateEnds built;
            for (std::size_t state = 0; state < built.size(); ++state)
                built[state] = '\t' + std::string(ReceiptStateCaptions(translate)[state]) + '\n';
            return built;
        });
        const std::string_view state = ends[static_cast<std::size_t>(ReceiptStateOf(bytes[kReceiptStateByte]))];
        std::string_view parts[kStatusByteCount];
        std::size_t length = kStatusTextLength + state.size();
        for (std::size_t byte = 0; byte < bytes.size(); ++byte) {
            parts[byte] = pieces.Of(byte, bytes[byte]);
            length += parts[byte].size();
        }
        out.reserve(out.size() + length);
        // Written where it stays: copied from a buffer just written, it
        // waited on its own bytes.
        out.append(kStatusTextLength, ' ');
        WriteStatusHex(out.data() + out.size() - kStatusTextLength, bytes);
        for (std::string_view part : parts)
            out += part;
        out += state;
    }

    bool lines_;
    TextTranslation translate_;
};

} // namespace

std::unique_ptr<FormatWriter> MakeTextWriter(ValueSource source, TextTranslation translate)
{
    return std::make_unique<TextWriter>(source, translate);
}
