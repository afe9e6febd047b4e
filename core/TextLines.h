#pragma once

#include <cstddef>
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
    bool Next(Line& line);
    bool Ended() const { return ended_ && begin_ == end_ && !inLine_; }

private:
    enum class Encoding { Unknown, Utf8, Utf16LittleEndian, Utf16BigEndian };

    bool Utf16() const { return encoding_ == Encoding::Utf16LittleEndian || encoding_ == Encoding::Utf16BigEndian; }
    // The encoding from the byte-order mark, which is then skipped; without
    // one, from the look of the first line.
    void TakeByteOrderMark();
    static Encoding UnmarkedEncoding(std::string_view start);
    // Turns the UTF-16 in raw_ into UTF-8 in chunk_; a unit cut by the
    // piece's end waits for the next one.
    void DecodeUtf16();
    Line Handed(std::string_view text, bool tooLong, bool continues);
    // A piece of a long line, cut where a character starts.
    Line Piece();

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
