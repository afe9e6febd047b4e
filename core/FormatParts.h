#pragma once

// Pieces the format writers share: what is built once per language and kept,
// for a log of status lines is long. Used by the writers' files alone.
#include "core/StatusFlagCatalogue.h"
#include "core/StatusLine.h"
#include "core/StatusRecord.h"
#include "core/Translatable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

inline const char* CaptionIn(const char* caption, TextTranslation translate)
{
    return Translated(kStatusFlagsContext, caption, translate);
}

// What each value of each byte adds to a written status line: the pieces
// its set flags give, in catalogue order, side by side in one text.
class BytePieces {
public:
    // `append(text, flag)` appends one set flag's piece.
    template <class AppendFlag>
    explicit BytePieces(AppendFlag append)
    {
        for (int byte = 0; byte < kStatusByteCount; ++byte) {
            for (unsigned value = 0; value < 256; ++value) {
                const std::size_t start = text_.size();
                for (int bit = 0; bit < kBitsPerByte; ++bit) {
                    if ((value >> bit) & 1u)
                        append(text_, FlagOf(byte, bit), start);
                }
                spans_[Index(static_cast<std::size_t>(byte), value)] = {static_cast<std::uint32_t>(start),
                                                                        static_cast<std::uint32_t>(text_.size() - start)};
            }
        }
    }

    std::string_view Of(std::size_t byte, unsigned value) const
    {
        const auto [start, length] = spans_[Index(byte, value)];
        return std::string_view(text_.data() + start, length);
    }

private:
    static std::size_t Index(std::size_t byte, unsigned value) { return byte * 256 + (value & 0xFFu); }

    std::string text_;
    // Half the size of two size_t: the table stays in the nearest cache.
    std::array<std::pair<std::uint32_t, std::uint32_t>, kStatusByteCount * 256> spans_{};
};

// The receipt state's caption for each state.
using StateCaptions = std::array<std::string_view, kReceiptStateCount>;
inline const StateCaptions& ReceiptStateCaptions(TextTranslation translate)
{
    return OncePerLanguage(translate, [translate] {
        StateCaptions captions;
        for (std::size_t state = 0; state < captions.size(); ++state)
            captions[state] = CaptionIn(ReceiptStateList[state], translate);
        return captions;
    });
}

inline std::string_view ReceiptStateCaption(const StatusBytes& bytes, TextTranslation translate)
{
    return ReceiptStateCaptions(translate)[static_cast<std::size_t>(ReceiptStateOf(bytes[kReceiptStateByte]))];
}

