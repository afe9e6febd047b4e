#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

// regalo-decode's own reading and writing, on file descriptors: every failure
// is reported, a line is never held beyond a bound, and an answer is written
// out before the program waits for more input.

// A read or write that failed, and the system's reason.
class IoError : public std::runtime_error {
public:
    enum class Kind { Read, Write };
    IoError(Kind kind, int error);
    Kind kind;
    int error;
};

// Output gathered in a buffer and written in large pieces.
class FdWriter {
public:
    explicit FdWriter(int fd);
    ~FdWriter();
    FdWriter(const FdWriter&) = delete;
    FdWriter& operator=(const FdWriter&) = delete;

    std::string& Buffer() { return buffer_; }
    bool IsTerminal() const { return terminal_; }
    void Append(std::string_view text) { buffer_ += text; }
    // Writes when the buffer has grown large.
    void FlushIfFull();
    // Writes everything; throws IoError.
    void Flush();

private:
    int fd_;
    bool terminal_;
    std::string buffer_;
};

inline constexpr std::size_t kMaxLineLength = 4096;

// Lines of a descriptor, read in chunks. A line longer than kMaxLineLength is
// reported as too long with its first bytes, and the rest of it is skipped
// without being kept.
class LineReader {
public:
    // `beforeWait` runs whenever the next read would block.
    LineReader(int fd, std::function<void()> beforeWait);

    // Lines end in LF, CR LF or CR. UTF-8 is read, with or without its
    // byte-order mark, and UTF-16 in either byte order after its mark (what
    // Windows PowerShell writes), or without one where the first line has a
    // zero byte in every other place, handed out as UTF-8.
    struct Line {
        std::string_view text; // without the line end
        std::uint64_t number;  // from 1
        bool tooLong;
    };

    // False at the end of the input, or once a stop was asked for; throws IoError.
    bool Next(Line& line);

private:
    enum class Encoding { Unknown, Utf8, Utf16LittleEndian, Utf16BigEndian };

    bool Fill();
    // The input's encoding from its byte-order mark, which is then skipped;
    // without one, from the look of the first line.
    void TakeByteOrderMark();
    static Encoding UnmarkedEncoding(std::string_view start);
    // Turns the UTF-16 in raw_ into UTF-8 in chunk_; a unit cut by the chunk's
    // end waits for the next one.
    void DecodeUtf16();

    int fd_;
    std::function<void()> beforeWait_;
    Encoding encoding_ = Encoding::Unknown;
    std::string raw_;         // UTF-16 as read
    std::size_t rawKept_ = 0; // bytes of raw_ left for the next read
    std::size_t markKept_ = 0; // bytes at chunk_'s start that may begin a byte-order mark
    char16_t highSurrogate_ = 0;
    // A carriage return ended the last chunk: a line feed that starts the
    // next belongs to it.
    bool afterReturn_ = false;
    std::string chunk_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::string partial_; // a line that runs past the chunk
    std::uint64_t number_ = 0;
    bool ended_ = false;
};
