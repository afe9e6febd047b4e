// The catalogue as data for the C library: captions and messages as static
// texts, in either language.
#include "lib/Calls.h"

#include "core/ErrorCodes.h"
#include "core/StatusFlagCatalogue.h"
#include "core/StatusRecord.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

namespace {

// Every code's message in one language, built once, by code; null where the
// catalogue has none. Kept for the program's life, so the texts never move.
class Messages {
public:
    explicit Messages(TextTranslation translate) : byCode_(0x10000, nullptr)
    {
        for (unsigned number = 0; number < byCode_.size(); ++number) {
            CodeDescription description =
                DescribeCode({static_cast<int>(number & 0xFFu), static_cast<int>(number >> 8)}, translate);
            if (description.described)
                byCode_[number] = texts_.emplace_back(std::move(description.text)).c_str();
        }
    }
    const char* Of(unsigned code) const { return code < byCode_.size() ? byCode_[code] : nullptr; }

private:
    std::deque<std::string> texts_;
    std::vector<const char*> byCode_;
};

const Messages& MessagesIn(int lang)
{
    if (lang == REGALO_EN) {
        static const Messages english(&TranslateToEnglish);
        return english;
    }
    static const Messages russian(nullptr);
    return russian;
}

} // namespace

extern "C" {

REGALO_API const char* REGALO_CALL regalo_flag_caption(int byte, int bit, int lang)
{
    if (byte < 0 || byte >= kStatusByteCount || bit < 0 || bit >= kBitsPerByte || !IsLanguage(lang))
        return nullptr;
    return Translated(kStatusFlagsContext, FlagOf(byte, bit).caption, TranslationOf(lang));
}

REGALO_API int REGALO_CALL regalo_receipt_state(const unsigned char bytes[6])
{
    return bytes == nullptr ? -1 : ReceiptStateOf(bytes[kReceiptStateByte]);
}

REGALO_API const char* REGALO_CALL regalo_receipt_state_caption(int state, int lang)
{
    if (state < 0 || state >= kReceiptStateCount || !IsLanguage(lang))
        return nullptr;
    return Translated(kStatusFlagsContext, ReceiptStateList[static_cast<std::size_t>(state)], TranslationOf(lang));
}

REGALO_API const char* REGALO_CALL regalo_error_message(unsigned code, int lang)
{
    if (!IsLanguage(lang))
        return nullptr;
    try {
        return MessagesIn(lang).Of(code);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // extern "C"
