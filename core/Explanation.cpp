#include "core/Explanation.h"

#include "core/ChangePieces.h"
#include "core/ErrorCodes.h"
#include "core/HexText.h"
#include "core/Utf8.h"

#include <algorithm>
#include <array>

namespace {

constexpr char kReceiptStateLine[] = QT_TRANSLATE_NOOP("Explanation", "Состояние чека: %1");
constexpr char kNoChange[] = QT_TRANSLATE_NOOP("Explanation", "Без изменений");
constexpr char kArrow[] = " \xE2\x86\x92 "; // →

std::string Words(const char* source, TextTranslation translate)
{
    return Translated(kExplanationContext, source, translate);
}

std::string WithValue(const char* source, const std::string& value, TextTranslation translate)
{
    return Filled(Words(source, translate), {value});
}

std::string Caption(const char* source, TextTranslation translate)
{
    return Translated(kStatusFlagsContext, source, translate);
}

std::string StateCaption(const StatusBytes& bytes, TextTranslation translate)
{
    return Caption(ReceiptStateList[static_cast<std::size_t>(ReceiptStateOf(bytes[kReceiptStateByte]))], translate);
}

// "Caption of byte: first flag; second flag", or nothing when no flag is named.
std::string ByteLine(int byteIndex, const std::string& flags, TextTranslation translate)
{
    return flags.empty() ? std::string() : Caption(ByteCaption(byteIndex), translate) + ": " + flags + '\n';
}

void AppendFlag(std::string& flags, std::string_view mark, const StatusFlag& flag, TextTranslation translate)
{
    if (!flags.empty())
        flags += "; ";
    flags += mark;
    flags += Caption(flag.caption, translate);
}

// Each byte read with a flag set besides bit 7, its caption and its flags;
// then the receipt state, where byte 2 was read.
std::string ByteLines(const StatusBytes& bytes, const std::array<bool, kStatusByteCount>& read, TextTranslation translate)
{
    std::string text;
    for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex) {
        if (!read[static_cast<std::size_t>(byteIndex)])
            continue;
        std::string flags;
        for (int bit = 0; bit < kAlwaysSetBit; ++bit) {
            if ((bytes[static_cast<std::size_t>(byteIndex)] >> bit) & 1u)
                AppendFlag(flags, "", FlagOf(byteIndex, bit), translate);
        }
        text += ByteLine(byteIndex, flags, translate);
    }
    if (read[kReceiptStateByte])
        text += WithValue(kReceiptStateLine, StateCaption(bytes, translate), translate);
    return text;
}

} // namespace

std::string ExplainStatus(const StatusBytes& bytes, TextTranslation translate)
{
    std::array<bool, kStatusByteCount> all;
    all.fill(true);
    return StatusHexText(bytes) + '\n' + ByteLines(bytes, all, translate);
}

std::string FlagWithItsByte(const StatusFlag& flag, TextTranslation translate)
{
    return Filled(Words(QT_TRANSLATE_NOOP("Explanation", "байт %1: %2"), translate), {std::to_string(flag.byteIndex), Caption(flag.caption, translate)});
}

void AppendReadingWords(std::string& out, const StatusBytes& bytes, const std::optional<StatusBytes>& previous, char lineEnd,
                        TextTranslation translate)
{
    if (previous) {
        AppendFlagChanges(out, *previous, bytes, lineEnd, translate);
        return;
    }
    std::array<bool, kStatusByteCount> all;
    all.fill(true);
    const std::size_t start = out.size();
    out += ByteLines(bytes, all, translate);
    std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), '\n', lineEnd);
}

std::string ExplainStatusField(std::u32string_view text, TextTranslation translate)
{
    const StatusFieldReading reading = ReadStatusField(text);
    if (!reading.problem)
        return ExplainStatus(reading.bytes, translate);
    std::u32string shown(text);
    for (int byte = 0; byte < kStatusByteCount; ++byte) {
        for (int digit = 0; digit < 2; ++digit) {
            char32_t& c = shown[static_cast<std::size_t>(StatusFieldOffset(byte) + digit)];
            if (c == U' ')
                c = U'_';
        }
    }
    std::string explained = WithValue(QT_TRANSLATE_NOOP("Explanation", "Строка статуса не прочитана: %1"),
                                      Phrased(*reading.problem, translate), translate)
                            + '\n' + ToUtf8(shown);
    const std::string lines = ByteLines(reading.bytes, reading.read, translate);
    if (!lines.empty())
        explained += '\n' + Words(QT_TRANSLATE_NOOP("Explanation", "Прочитанные байты:"), translate) + '\n' + lines;
    while (!explained.empty() && explained.back() == '\n')
        explained.pop_back();
    return explained;
}

std::optional<std::string> ExplainErrorCode(const std::string& code, TextTranslation translate)
{
    const auto read = ReadErrorCode(UpperCaseHexLetters(code), CodeLetters::UpperCase);
    if (!read)
        return std::nullopt;
    const auto [message, described] = DescribeCode(*read, translate);
    if (!described)
        return message;
    return ErrorCodeText(*read) + ": " + DescriptionOnOneLine(message);
}

std::string DescriptionOnOneLine(std::string_view message)
{
    // Its lines, and the blanks that indent them, as one line.
    std::string line;
    for (std::size_t i = 0; i < message.size(); ++i) {
        if (message[i] != '\n') {
            line += message[i];
            continue;
        }
        while (i + 1 < message.size() && message[i + 1] == ' ')
            ++i;
        line += ' ';
    }
    return line;
}

std::string ExplainChange(const StatusBytes& before, const StatusBytes& after, TextTranslation translate)
{
    return StatusHexText(before) + kArrow + StatusHexText(after) + '\n' + ExplainFlagChanges(before, after, translate);
}

std::string ExplainFlagChanges(const StatusBytes& before, const StatusBytes& after, TextTranslation translate)
{
    std::string text;
    AppendFlagChanges(text, before, after, '\n', translate);
    return text;
}

void AppendFlagChanges(std::string& out, const StatusBytes& before, const StatusBytes& after, char lineEnd,
                       TextTranslation translate)
{
    // Built once: a log asks for the changes of every reading.
    struct Pieces {
        std::string noChange;
        std::array<std::string, kReceiptStateCount * kReceiptStateCount> states; // the line, by before and after
    };
    const Pieces& pieces = OncePerLanguage(translate, [translate] {
        Pieces built;
        built.noChange = Words(kNoChange, translate);
        for (int was = 0; was < kReceiptStateCount; ++was) {
            for (int is = 0; is < kReceiptStateCount; ++is) {
                std::string state = Caption(ReceiptStateList[static_cast<std::size_t>(was)], translate);
                if (was != is)
                    state += kArrow + Caption(ReceiptStateList[static_cast<std::size_t>(is)], translate);
                built.states[static_cast<std::size_t>(was * kReceiptStateCount + is)] = WithValue(kReceiptStateLine, state, translate);
            }
        }
        return built;
    });
    // "caption of byte: - caption; + caption".
    const ChangePieces& changes = OncePerLanguage(translate, [translate] {
        return ChangePieces(
            [translate](std::string& text, std::size_t byte, bool afterAnother) {
                text += afterAnother ? "; " : Caption(ByteCaption(static_cast<int>(byte)), translate) + ": ";
            },
            [translate](std::string& text, const StatusFlag& flag, bool set, bool first) {
                text += first ? "" : "; ";
                text += set ? "+ " : "- ";
                text += Caption(flag.caption, translate);
            });
    });
    bool changed = false;
    changes.ForEachPiece(before, after, [&](std::string_view piece, bool endsTheByte) {
        out += piece;
        if (endsTheByte)
            out += lineEnd;
        changed = true;
    });
    if (!changed) {
        out += pieces.noChange;
        out += lineEnd;
    }
    out += pieces.states[static_cast<std::size_t>(ReceiptStateOf(before[kReceiptStateByte]) * kReceiptStateCount
                                                  + ReceiptStateOf(after[kReceiptStateByte]))];
}
