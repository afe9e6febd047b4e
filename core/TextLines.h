#pragma once

#include <bit>
#include <cstddef>
#include <cstring>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Lines of a text that arrives in pieces (a stream read in chunks, a file a
// browser hands over in slices), in the encodings and line ends Windows and
// Linux tools write: UTF-8 with or without its byte-order mark; UTF-16 in
// either byte order after its mark, or without one where the first line has
// a zero byte in every other place; lines ending in LF, CR LF or CR. Lines
// are handed out as UTF-8; the same text gives the same lines however it
// is cut into pieces.
class TextLines {
public:
    struct Line {
        std::string_view text; // without the line end; valid until the next call
        std::uint64_t number;  // from 1
        bool tooLong;          // cut at the longest a line may be
        bool continues;        // a piece of a long line, more of which follows
    };

    // `legacyFallback`: a line that is not UTF-8 is read as Windows-1251, the
    // code page Russian Windows programs write their logs in. A line longer
    // than `longestLine` is cut there (tooLong), or with `longLinesInPieces`
    // handed out whole in pieces of about that size, each under its number.
    explicit TextLines(std::size_t longestLine, bool legacyFallback = false, bool longLinesInPieces = false);

    // Where the next piece goes; then Took with how much of it was written,
    // 0 at the end of the text.
    std::span<char> Space();
    void Took(std::size_t size);

    // The next whole line of what was taken; false when more is needed, or
    // after the last line once the end was taken (Ended).
    bool Next(Line& line)
    {
        // The common case first: a whole line inside the piece, after another.
        if (!clearPartial_ && !inLine_ && begin_ < end_) {
            const char* start = chunk_.data() + begin_;
            const std::size_t available = end_ - begin_;
            const std::size_t length = LineEndIn(start, available);
            if (length + 1 < available && length <= longest_) {
                begin_ += length + 1 + (start[length] == '\r' && start[length + 1] == '\n' ? 1 : 0);
                Hand(line, std::string_view(start, length), false, false);
                return true;
            }
        }
        return NextAfterAPiece(line);
    }
    bool Ended() const { return ended_ && begin_ == end_ && !inLine_; }

private:
    // Where the first line feed or carriage return stands, or `available`.
    static std::size_t LineEndIn(const char* start, std::size_t available)
    {
        std::size_t at = 0;
        // Eight bytes at a time: most lines of a log are short and many.
        if constexpr (std::endian::native == std::endian::little) {
            constexpr std::uint64_t kOnes = 0x0101010101010101u;
            constexpr std::uint64_t kHighs = 0x8080808080808080u;
            for (; at + 8 <= available; at += 8) {
                std::uint64_t word = 0;
                std::memcpy(&word, start + at, sizeof word);
                const std::uint64_t feeds = word ^ (kOnes * '\n');
                const std::uint64_t returns = word ^ (kOnes * '\r');
                // A byte that is zero in either has its high bit set here;
                // the lowest such bit is always a true one.
                const std::uint64_t found = (((feeds - kOnes) & ~feeds) | ((returns - kOnes) & ~returns)) & kHighs;
                if (found != 0)
                    return at + static_cast<std::size_t>(std::countr_zero(found) >> 3);
            }
        }
        while (at < available && start[at] != '\n' && start[at] != '\r')
            ++at;
        return at;
    }

    enum class Encoding { Unknown, Utf8, Utf16LittleEndian, Utf16BigEndian };

    bool Utf16() const { return encoding_ == Encoding::Utf16LittleEndian || encoding_ == Encoding::Utf16BigEndian; }
    // The encoding from the byte-order mark, which is then skipped; without
    // one, from the look of the first line.
    void TakeByteOrderMark();
    static Encoding UnmarkedEncoding(std::string_view start);
    // Turns the UTF-16 in raw_ into UTF-8 in chunk_; a unit cut by the
    // piece's end waits for the next one.
    void DecodeUtf16();
    void Hand(Line& line, std::string_view text, bool tooLong, bool continues)
    {
        // A line's pieces after the first keep its number.
        number_ += piecesHanded_ ? 0 : 1;
        piecesHanded_ = continues;
        line.text = legacyFallback_ ? Legacy(text) : text;
        line.number = number_;
        line.tooLong = tooLong;
        line.continues = continues;
    }
    // Next, where a line runs past the piece or the last one ended one.
    bool NextAfterAPiece(Line& line);
    // A line that is not UTF-8 read as Windows-1251.
    std::string_view Legacy(std::string_view text);
    // A piece of a long line, cut where a character starts.
    void Piece(Line& line);

    std::size_t longest_;
    bool legacyFallback_;
    bool pieces_;
    bool piecesHanded_ = false; // of the line being read
    std::string rest_;          // of the line, after the piece handed out
    Encoding encoding_ = Encoding::Unknown;
    std::string raw_;          // UTF-16 as taken
    std::size_t rawKept_ = 0;  // bytes of raw_ left for the next piece
    std::size_t markKept_ = 0; // bytes at chunk_'s start that may begin a byte-order mark
    char16_t highSurrogate_ = 0;
    // A carriage return ended the last piece: a line feed that starts the
    // next belongs to it.
    bool afterReturn_ = false;
    std::string chunk_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool ended_ = false;
    // A line that runs past the piece, and whether it is cut.
    std::string partial_;
    bool inLine_ = false;
    bool partialTooLong_ = false;
    bool clearPartial_ = false;
    std::string converted_; // a line read as Windows-1251
    std::uint64_t number_ = 0;
};
