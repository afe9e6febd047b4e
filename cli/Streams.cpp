#include "cli/Streams.h"

#include "cli/Surroundings.h"
#include "core/Diagnostics.h"
#include "core/Utf8.h"

#include <algorithm>
#include <utility>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <QString>
#include <io.h>
#include <windows.h>
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

#ifdef _WIN32
int OpenForReading(const std::string& name)
{
    return _wopen(QString::fromStdString(name).toStdWString().c_str(), _O_RDONLY | _O_BINARY);
}
void CloseFile(int fd)
{
    _close(fd);
}
std::uint64_t RegularFileSize(int fd)
{
    struct _stat64 status;
    return _fstat64(fd, &status) == 0 && (status.st_mode & _S_IFREG) ? static_cast<std::uint64_t>(status.st_size) : 0;
}
bool IsAPipe(int fd)
{
    return GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(fd))) == FILE_TYPE_PIPE;
}
#else
int OpenForReading(const std::string& name)
{
    return open(name.c_str(), O_RDONLY | O_CLOEXEC);
}
void CloseFile(int fd)
{
    close(fd);
}
std::uint64_t RegularFileSize(int fd)
{
    struct stat status;
    return fstat(fd, &status) == 0 && S_ISREG(status.st_mode) ? static_cast<std::uint64_t>(status.st_size) : 0;
}
bool IsAPipe(int fd)
{
    struct stat status;
    return fstat(fd, &status) == 0 && (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode));
}
#endif

IoError::IoError(Kind kind, int error)
    : std::runtime_error(std::strerror(error)), kind(kind), error(error)
{
}

FdWriter::FdWriter(int fd) : fd_(fd), terminal_(IsATerminal(fd))
{
    buffer_.reserve(kChunkSize + kMaxLineLength);
}

FdWriter::~FdWriter() = default;

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

LineReader::LineReader(int fd, std::function<void()> beforeWait, std::size_t longestLine, bool legacyFallback,
                       bool longLinesInPieces)
    : fd_(fd), beforeWait_(std::move(beforeWait)), lines_(longestLine, legacyFallback, longLinesInPieces)
{
}

bool LineReader::Fill()
{
    if (beforeWait_ && WouldBlock(fd_))
        beforeWait_();
    const std::span<char> space = lines_.Space();
    for (;;) {
        if (StopRequested())
            return false;
        const long n = WhileWaitingForInput([&] { return ReadSome(fd_, space.data(), space.size()); });
        // What arrives after a stop is not answered; a read the stop broke off is no read error.
        if (StopRequested())
            return false;
        if (n < 0 && (errno == EINTR || WaitedUntilReady(fd_, false)))
            continue;
        if (n < 0)
            throw IoError(IoError::Kind::Read, errno);
        lines_.Took(static_cast<std::size_t>(n));
        bytesRead_ += static_cast<std::uint64_t>(n);
        return true;
    }
}

bool LineReader::NextAfterReading(Line& line)
{
    // A line cut short by a stop is dropped.
    while (!StopRequested()) {
        if (lines_.Next(line))
            return true;
        if (lines_.Ended() || !Fill())
            return false;
    }
    return false;
}
