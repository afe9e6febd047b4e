#include "cli/Streams.h"

#include "cli/Surroundings.h"
#include "core/Diagnostics.h"
#include "core/Utf8.h"

#include <algorithm>
#include <utility>
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace {

constexpr std::size_t kChunkSize = 1 << 16;

#ifdef _WIN32
long ReadSome(int fd, char* data, std::size_t size)
{
    return _read(fd, data, static_cast<unsigned>(size));
}
long WriteSome(int fd, const char* data, std::size_t size)
{
    return _write(fd, data, static_cast<unsigned>(size));
}
bool WouldBlock(int)
{
    return true;
}
bool IsATerminal(int fd)
{
    return _isatty(fd) != 0;
}
bool WaitedUntilReady(int, bool)
{
    return false;
}
#else
long ReadSome(int fd, char* data, std::size_t size)
{
    return static_cast<long>(read(fd, data, size));
}
long WriteSome(int fd, const char* data, std::size_t size)
{
    return static_cast<long>(write(fd, data, size));
}
bool WouldBlock(int fd)
{
    pollfd request{fd, POLLIN, 0};
    return poll(&request, 1, 0) == 0;
}
bool IsATerminal(int fd)
{
    return isatty(fd) != 0;
}
// A stream its parent left non-blocking says "try again" instead of waiting:
// it is waited on here, as a blocking one would be. False for any other
// failure, which stands.
bool WaitedUntilReady(int fd, bool forWriting)
{
    if (errno != EAGAIN && errno != EWOULDBLOCK)
        return false;
    pollfd request{fd, static_cast<short>(forWriting ? POLLOUT : POLLIN), 0};
    poll(&request, 1, -1);
    return true;
}
#endif

} // namespace

IoError::IoError(Kind kind, int error)
    : std::runtime_error(std::strerror(error)), kind(kind), error(error)
{
}

FdWriter::FdWriter(int fd) : fd_(fd), terminal_(IsATerminal(fd))
{
    buffer_.reserve(kChunkSize + kMaxLineLength);
}

FdWriter::~FdWriter() = default;

void FdWriter::FlushIfFull()
{
    if (buffer_.size() >= kChunkSize)
        Flush();
}

void FdWriter::Flush()
{
    std::size_t written = 0;
    while (written < buffer_.size()) {
        const long n = WriteSome(fd_, buffer_.data() + written, buffer_.size() - written);
        if (n < 0 && (errno == EINTR || WaitedUntilReady(fd_, true)))
            continue; // a stop signal: the results still go out
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            buffer_.clear();
            throw IoError(IoError::Kind::Write, error);
        }
        written += static_cast<std::size_t>(n);
    }
    buffer_.clear();
}

LineReader::LineReader(int fd, std::function<void()> beforeWait) : fd_(fd), beforeWait_(std::move(beforeWait))
{
    chunk_.resize(kChunkSize);
}

namespace {

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

bool LineReader::Fill()
{
    if (ended_)
        return false;
    if (beforeWait_ && WouldBlock(fd_))
        beforeWait_();
    const bool utf16 = encoding_ == Encoding::Utf16LittleEndian || encoding_ == Encoding::Utf16BigEndian;
    std::string& target = utf16 ? raw_ : chunk_;
    // What is kept from the last read: a UTF-16 unit cut in two, or the
    // first bytes of what may be a byte-order mark.
    const std::size_t kept = utf16 ? rawKept_ : markKept_;
    for (;;) {
        if (StopRequested())
            return false;
        const long n = WhileWaitingForInput([&] { return ReadSome(fd_, target.data() + kept, target.size() - kept); });
        // What arrives after a stop is not answered; a read the stop broke off is no read error.
        if (StopRequested())
            return false;
        if (n < 0 && (errno == EINTR || WaitedUntilReady(fd_, false)))
            continue;
        if (n < 0)
            throw IoError(IoError::Kind::Read, errno);
        begin_ = 0;
        end_ = kept + static_cast<std::size_t>(n);
        ended_ = n == 0;
        break;
    }
    if (encoding_ == Encoding::Unknown) {
        // A mark cut by the read's end is waited for, however the input arrives.
        if (!ended_ && IsStartOfAMark(std::string_view(chunk_.data(), end_))) {
            markKept_ = end_;
            begin_ = end_ = 0;
            return true;
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
    if (encoding_ == Encoding::Utf16LittleEndian || encoding_ == Encoding::Utf16BigEndian)
        DecodeUtf16();
    // The line feed of a CR LF cut by the chunk's end.
    if (afterReturn_ && begin_ < end_) {
        if (chunk_[begin_] == '\n')
            ++begin_;
        afterReturn_ = false;
    }
    return begin_ < end_ || !ended_;
}

LineReader::Encoding LineReader::UnmarkedEncoding(std::string_view start)
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

void LineReader::TakeByteOrderMark()
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

void LineReader::DecodeUtf16()
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

bool LineReader::Next(Line& line)
{
    partial_.clear();
    bool tooLong = false;
    for (;;) {
        if (StopRequested())
            return false;
        if (begin_ == end_ && !Fill()) {
            // The last line may have no line end; one cut short by a stop is dropped.
            if (StopRequested() || (partial_.empty() && !tooLong))
                return false;
            break;
        }
        if (begin_ == end_)
            continue; // read only what completes a unit or a line end
        const char* start = chunk_.data() + begin_;
        const std::size_t available = end_ - begin_;
        // A line ends at a line feed, a carriage return alone, or both:
        // whichever comes first, so that neither is looked for past the line.
        std::size_t length = 0;
        while (length < available && start[length] != '\n' && start[length] != '\r')
            ++length;
        const bool ends = length < available;
        std::size_t consumed = length + (ends ? 1 : 0);
        if (ends && start[length] == '\r') {
            if (length + 1 < available && start[length + 1] == '\n')
                ++consumed;
            else if (length + 1 == available)
                afterReturn_ = true;
        }
        begin_ += consumed;
        // Whole lines inside the chunk are handed out where they lie.
        if (ends && partial_.empty() && !tooLong && length <= kMaxLineLength) {
            line = {std::string_view(start, length), ++number_, false};
            return true;
        }
        const std::size_t room = kMaxLineLength + 1 - partial_.size();
        partial_.append(start, std::min(length, room));
        tooLong = tooLong || partial_.size() > kMaxLineLength;
        if (ends)
            break;
    }
    if (tooLong)
        partial_.resize(kMaxLineLength);
    line = {partial_, ++number_, tooLong};
    return true;
}
