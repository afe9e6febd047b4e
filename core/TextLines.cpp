#include "core/TextLines.h"

#include "core/Cp1251.h"
#include "core/Utf8.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::size_t kPieceSize = 1 << 16;

// The first bytes of a UTF-8 or UTF-16 byte-order mark, not all of it.
bool IsStartOfAMark(std::string_view start)
{
    return start == "\xEF" || start == "\xEF\xBB" || start == "\xFF" || start == "\xFE";
}

// Whether the bytes of a line are UTF-16 without its mark, as some Windows
// tools write it: two characters or more, each with a zero byte on the side
// `zero` (0: the first of each pair, big-endian; 1: the second, little-endian)
// and none on the other.
bool IsUnmarkedUtf16(std::string_view line, std::size_t zero)
{
    if (line.size() < 4 || line.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < line.size(); i += 2) {
        if (line[i + zero] != '\0' || line[i + 1 - zero] == '\0')
            return false;
    }
    return true;
}

} // namespace

TextLines::TextLines(std::size_t longestLine, bool legacyFallback, bool longLinesInPieces)
    : longest_(longestLine), legacyFallback_(legacyFallback), pieces_(longLinesInPieces)
{
    chunk_.resize(kPieceSize);
}

std::span<char> TextLines::Space()
{
    // What is kept from the last piece: a UTF-16 unit cut in two, or the
    // first bytes of what may be a byte-order mark.
    std::string& target = Utf16() ? raw_ : chunk_;
    const std::size_t kept = Utf16() ? rawKept_ : markKept_;
    return {target.data() + kept, target.size() - kept};
}

void TextLines::Took(std::size_t size)
{
    const std::size_t kept = Utf16() ? rawKept_ : markKept_;
    begin_ = 0;
    end_ = kept + size;
    ended_ = size == 0;
    if (encoding_ == Encoding::Unknown) {
        // A mark cut by the piece's end is waited for, however the text arrives.
        if (!ended_ && IsStartOfAMark(std::string_view(chunk_.data(), end_))) {
            markKept_ = end_;
            begin_ = end_ = 0;
            return;
        }
        markKept_ = 0;
        TakeByteOrderMark();
        if (encoding_ != Encoding::Utf8) {
            raw_.assign(chunk_, begin_, end_ - begin_);
            raw_.resize(chunk_.size());
            rawKept_ = end_ - begin_;
            end_ = rawKept_;
        }
    }
    if (Utf16())
        DecodeUtf16();
    // The line feed of a CR LF cut by the piece's end.
    if (afterReturn_ && begin_ < end_) {
        if (chunk_[begin_] == '\n')
            ++begin_;
        afterReturn_ = false;
    }
}

TextLines::Encoding TextLines::UnmarkedEncoding(std::string_view start)
{
    // The first line, up to its line feed as either byte order writes it.
    const std::size_t feed = start.find('\n');
    const std::string_view line = start.substr(0, feed);
    if (feed == std::string_view::npos || (feed + 1 < start.size() && start[feed + 1] == '\0')) {
        const std::string_view units = line.substr(0, line.size() & ~std::size_t{1});
        if (IsUnmarkedUtf16(units.ends_with(std::string_view("\r\0", 2)) ? units.substr(0, units.size() - 2) : units, 1))
            return Encoding::Utf16LittleEndian;
    }
    if (feed != std::string_view::npos && feed % 2 == 1 && line.ends_with('\0')) {
        const std::string_view units = line.substr(0, line.size() - 1);
        if (IsUnmarkedUtf16(units.ends_with(std::string_view("\0\r", 2)) ? units.substr(0, units.size() - 2) : units, 0))
            return Encoding::Utf16BigEndian;
    }
    return Encoding::Utf8;
}

void TextLines::TakeByteOrderMark()
{
    const std::string_view start(chunk_.data(), end_);
    if (start.starts_with("\xEF\xBB\xBF")) {
        begin_ = 3;
        encoding_ = Encoding::Utf8;
    } else if (start.starts_with("\xFF\xFE")) {
        begin_ = 2;
        encoding_ = Encoding::Utf16LittleEndian;
    } else if (start.starts_with("\xFE\xFF")) {
        begin_ = 2;
        encoding_ = Encoding::Utf16BigEndian;
    } else {
        encoding_ = UnmarkedEncoding(start);
    }
}

void TextLines::DecodeUtf16()
{
    const bool little = encoding_ == Encoding::Utf16LittleEndian;
    std::string decoded;
    decoded.reserve(end_ * 3 / 2);
    std::size_t i = 0;
    for (; i + 1 < end_; i += 2) {
        const auto first = static_cast<unsigned char>(raw_[i]);
        const auto second = static_cast<unsigned char>(raw_[i + 1]);
        const auto unit = static_cast<char16_t>(little ? first | (second << 8) : (first << 8) | second);
        if (highSurrogate_ != 0) {
            const char16_t high = std::exchange(highSurrogate_, 0);
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                AppendUtf8(decoded, 0x10000 + ((char32_t(high) - 0xD800) << 10) + (unit - 0xDC00));
                continue;
            }
            AppendUtf8(decoded, high);
        }
        if (unit >= 0xD800 && unit <= 0xDBFF)
            highSurrogate_ = unit;
        else
            AppendUtf8(decoded, unit);
    }
    // At the end a high surrogate stands alone, and so does half a unit: it
    // is no character, and makes its line one that cannot be read.
    if (ended_) {
        if (highSurrogate_ != 0)
            AppendUtf8(decoded, std::exchange(highSurrogate_, 0));
        if (i < end_) {
            AppendUtf8(decoded, 0xFFFD);
            ++i;
        }
    }
    rawKept_ = end_ - i;
    std::copy(raw_.begin() + static_cast<std::ptrdiff_t>(i), raw_.begin() + static_cast<std::ptrdiff_t>(end_), raw_.begin());
    chunk_.resize(std::max(chunk_.size(), decoded.size()));
    std::copy(decoded.begin(), decoded.end(), chunk_.begin());
    begin_ = 0;
    end_ = decoded.size();
}

std::string_view TextLines::Legacy(std::string_view text)
{
    if (IsValidUtf8(text))
        return text;
    converted_ = ToUtf8(FromCp1251(text));
    return converted_;
}



void TextLines::Piece(Line& line)
{
    std::size_t cut = partial_.size();
    std::size_t back = 0;
    while (back < 3 && back < cut && (static_cast<unsigned char>(partial_[cut - back - 1]) & 0xC0) == 0x80)
        ++back;
    if (back < cut && Utf8SequenceLength(std::string_view(partial_).substr(cut - back - 1), 0) == 0
        && static_cast<unsigned char>(partial_[cut - back - 1]) >= 0xC0)
        cut -= back + 1;
    rest_.assign(partial_, cut);
    partial_.resize(cut);
    clearPartial_ = true;
    Hand(line, partial_, false, true);
}

bool TextLines::NextAfterAPiece(Line& line)
{
    if (std::exchange(clearPartial_, false)) {
        partial_.swap(rest_);
        rest_.clear();
        partialTooLong_ = false;
    }
    bool ends = false;
    while (begin_ < end_ && !ends) {
        const char* start = chunk_.data() + begin_;
        const std::size_t available = end_ - begin_;
        // A line ends at a line feed, a carriage return alone, or both:
        // whichever comes first, so that neither is looked for past the line.
        const std::size_t length = LineEndIn(start, available);
        ends = length < available;
        std::size_t consumed = length + (ends ? 1 : 0);
        if (ends && start[length] == '\r') {
            if (length + 1 < available && start[length + 1] == '\n')
                ++consumed;
            else if (length + 1 == available)
                afterReturn_ = true;
        }
        begin_ += consumed;
        // Whole lines inside the piece are handed out where they lie.
        if (ends && !inLine_ && length <= longest_) {
            Hand(line, std::string_view(start, length), false, false);
            return true;
        }
        inLine_ = true;
        if (pieces_) {
            partial_.append(start, length);
            if (!ends && partial_.size() >= longest_) {
                Piece(line);
                return true;
            }
            continue;
        }
        const std::size_t room = longest_ + 1 - partial_.size();
        partial_.append(start, std::min(length, room));
        partialTooLong_ = partialTooLong_ || partial_.size() > longest_;
    }
    // A line that ran past its piece, ended now or by the end of the text.
    if (!inLine_ || (!ends && !ended_))
        return false;
    if (partialTooLong_)
        partial_.resize(longest_);
    inLine_ = false;
    clearPartial_ = true;
    Hand(line, partial_, partialTooLong_, false);
    return true;
}
