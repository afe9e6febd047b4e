#pragma once

#include "core/Reading.h"
#include "cli/Surroundings.h"
#include "core/TextLines.h"

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
    int Fd() const { return fd_; }
    void Append(std::string_view text) { buffer_ += text; }
    // Writes when the buffer has grown large.
    void FlushIfFull()
    {
        if (buffer_.size() >= kFlushSize)
            Flush();
    }
    // Writes everything; throws IoError.
    void Flush();

private:
    static constexpr std::size_t kFlushSize = 1 << 16;

    int fd_;
    bool terminal_;
    std::string buffer_;
};

inline constexpr std::size_t kMaxLineLength = kMaxValueLength;

// Lines of a descriptor, read in chunks (see TextLines). A line longer than
// `longestLine` is reported as too long with its first bytes, and the rest
// of it is skipped without being kept; or, for a log, handed out in pieces.
class LineReader {
public:
    // `beforeWait` runs whenever the next read would block. `legacyFallback`
    // reads a line that is not UTF-8 as Windows-1251.
    LineReader(int fd, std::function<void()> beforeWait, std::size_t longestLine = kMaxLineLength, bool legacyFallback = false,
               bool longLinesInPieces = false);

    using Line = TextLines::Line;

    // False at the end of the input, or once a stop was asked for; throws IoError.
    bool Next(Line& line)
    {
        // Inline for a line already read, as nearly every line is.
        if (!StopRequested() && lines_.Next(line))
            return true;
        return NextAfterReading(line);
    }
    // How much of the input was read so far.
    std::uint64_t BytesRead() const { return bytesRead_; }

private:
    // Reads what comes next; false for a stop.
    bool Fill();
    bool NextAfterReading(Line& line);

    int fd_;
    std::function<void()> beforeWait_;
    TextLines lines_;
    std::uint64_t bytesRead_ = 0;
};

// A file named on the command line (UTF-8 on every system), opened for
// reading: its descriptor, or -1 with errno saying why.
int OpenForReading(const std::string& name);
void CloseFile(int fd);
// The size of a regular file; 0 for anything else (a pipe, a terminal).
std::uint64_t RegularFileSize(int fd);
// A pipe to another program, whose reader expects only what it asked for.
bool IsAPipe(int fd);
