#pragma once

#include "core/StatusFlagCatalogue.h"
#include "core/StatusLine.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// What changed in each half of each byte, for every change that half may
// have, one text each, built once in one text from the piece of one flag's
// change: a log asks for the changes of every reading, and a byte then takes
// at most two pieces.
class ChangePieces {
public:
    // `lead(text, byte, afterAnother)` begins a piece, the byte's first or
    // the one after its other half's; `change(text, flag, set, first)`
    // appends one flag's change, `first` in its piece.
    template <class Lead, class Change>
    ChangePieces(Lead lead, Change change)
    {
        for (std::size_t byte = 0; byte < kStatusByteCount; ++byte) {
            for (std::size_t half = 0; half < 2; ++half) {
                for (unsigned differ = 1; differ < 16; ++differ) {
                    for (unsigned set = 0; set < 16; ++set) {
                        for (std::size_t afterAnother = 0; afterAnother < 2; ++afterAnother) {
                            const std::size_t start = text_.size();
                            lead(text_, byte, afterAnother != 0);
                            bool first = true;
                            for (unsigned bit = 0; bit < 4; ++bit) {
                                if (((differ >> bit) & 1u) == 0)
                                    continue;
                                change(text_, FlagOf(static_cast<int>(byte), static_cast<int>(half * 4 + bit)), ((set >> bit) & 1u) != 0,
                                       first);
                                first = false;
                            }
                            spans_[Index(byte, half, differ, set, afterAnother)] = {static_cast<std::uint32_t>(start),
                                                                                    static_cast<std::uint32_t>(text_.size() - start)};
                        }
                    }
                }
            }
        }
    }

    // Each changed byte's pieces in turn: `take(piece, endsTheByte)`.
    template <class Take>
    void ForEachPiece(const StatusBytes& before, const StatusBytes& after, Take take) const
    {
        for (std::size_t byte = 0; byte < kStatusByteCount; ++byte) {
            const unsigned differ = (before[byte] ^ after[byte]) & 0xFFu;
            if (differ == 0)
                continue;
            const unsigned low = differ & 0x0Fu;
            const unsigned high = differ >> 4;
            if (low != 0)
                take(Of(byte, 0, low, after[byte] & 0x0Fu, false), high == 0);
            if (high != 0)
                take(Of(byte, 1, high, (after[byte] >> 4) & 0x0Fu, low != 0), true);
        }
    }

private:
    std::string_view Of(std::size_t byte, std::size_t half, unsigned differ, unsigned set, bool afterAnother) const
    {
        const auto [start, length] = spans_[Index(byte, half, differ, set & differ, afterAnother ? 1 : 0)];
        return std::string_view(text_.data() + start, length);
    }

    static std::size_t Index(std::size_t byte, std::size_t half, unsigned differ, unsigned set, std::size_t afterAnother)
    {
        return (((byte * 2 + half) * 16 + differ) * 16 + set) * 2 + afterAnother;
    }

    std::string text_;
    std::array<std::pair<std::uint32_t, std::uint32_t>, kStatusByteCount * 2 * 16 * 16 * 2> spans_{};
};
