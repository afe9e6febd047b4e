#include "cli/Streams.h"

#include "cli/Surroundings.h"

#include <algorithm>
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

bool LineReader::Fill()
{
    if (ended_)
        return false;
    if (beforeWait_ && WouldBlock(fd_))
        beforeWait_();
    for (;;) {
        if (StopRequested())
            return false;
        const long n = ReadSome(fd_, chunk_.data(), chunk_.size());
        if (n < 0 && (errno == EINTR || WaitedUntilReady(fd_, false)))
            continue;
        if (n < 0)
            throw IoError(IoError::Kind::Read, errno);
        begin_ = 0;
        end_ = static_cast<std::size_t>(n);
        ended_ = n == 0;
        return n > 0;
    }
}

bool LineReader::Next(Line& line)
{
    partial_.clear();
    bool tooLong = false;
    for (;;) {
        if (StopRequested())
            return false;
        if (begin_ == end_ && !Fill()) {
            // The last line may have no line feed; one cut short by a stop is dropped.
            if (StopRequested() || (partial_.empty() && !tooLong))
                return false;
            break;
        }
        const char* start = chunk_.data() + begin_;
        const auto* feed = static_cast<const char*>(std::memchr(start, '\n', end_ - begin_));
        const std::size_t length = feed ? static_cast<std::size_t>(feed - start) : end_ - begin_;
        begin_ += length + (feed ? 1 : 0);
        // Whole lines inside the chunk are handed out where they lie.
        if (feed && partial_.empty() && !tooLong && length <= kMaxLineLength) {
            line = {std::string_view(start, length), ++number_, false};
            return true;
        }
        const std::size_t room = kMaxLineLength + 1 - partial_.size();
        partial_.append(start, std::min(length, room));
        tooLong = tooLong || partial_.size() > kMaxLineLength;
        if (feed)
            break;
    }
    if (tooLong)
        partial_.resize(kMaxLineLength);
    line = {partial_, ++number_, tooLong};
    return true;
}
