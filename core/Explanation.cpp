#include "core/Explanation.h"

#include "core/ErrorCodes.h"
#include "core/HexText.h"

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

} // namespace

std::string ExplainStatus(const StatusBytes& bytes, TextTranslation translate)
{
    std::string text = StatusHexText(bytes) + '\n';
    for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex) {
        std::string flags;
        for (int bit = 0; bit < kAlwaysSetBit; ++bit) {
            if ((bytes[static_cast<std::size_t>(byteIndex)] >> bit) & 1u)
                AppendFlag(flags, "", FlagOf(byteIndex, bit), translate);
        }
        text += ByteLine(byteIndex, flags, translate);
    }
    return text + WithValue(kReceiptStateLine, StateCaption(bytes, translate), translate);
}

std::optional<std::string> ExplainErrorCode(const std::string& code, TextTranslation translate)
{
    std::string message;
    const std::string upper = UpperCaseHexLetters(code);
    if (!DecodeErrorCode(upper, message, translate))
        return std::nullopt;
    if (message.empty())
        return NoDescriptionNote(upper, translate);
    // The description's lines, and the blanks that indent them, as one line.
    std::string line = upper + ": ";
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
    std::string text = StatusHexText(before) + kArrow + StatusHexText(after) + '\n';
    std::array<std::string, kStatusByteCount> flags;
    ForEachFlagChange(before, after, [&](const StatusFlag& flag, bool set) {
        AppendFlag(flags[static_cast<std::size_t>(flag.byteIndex)], set ? "+ " : "- ", flag, translate);
    });
    bool changed = false;
    for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex) {
        changed = changed || !flags[static_cast<std::size_t>(byteIndex)].empty();
        text += ByteLine(byteIndex, flags[static_cast<std::size_t>(byteIndex)], translate);
    }
    if (!changed)
        text += Words(kNoChange, translate) + '\n';
    std::string state = StateCaption(before, translate);
    if (ReceiptStateOf(before[kReceiptStateByte]) != ReceiptStateOf(after[kReceiptStateByte]))
        state += kArrow + StateCaption(after, translate);
    return text + WithValue(kReceiptStateLine, state, translate);
}
