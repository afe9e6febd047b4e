#include "cli/FollowedFile.h"

#include "cli/Streams.h"
#include "cli/Surroundings.h"

#include <algorithm>
#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <QString>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

constexpr auto kPause = std::chrono::milliseconds(100);

#ifdef _WIN32
// Opened so that the program writing the log may still rename, delete and
// rotate it.
HANDLE OpenShared(const std::string& path, DWORD access)
{
    return CreateFileW(QString::fromStdString(path).toStdWString().c_str(), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool IdentityOf(HANDLE handle, std::uint64_t& device, std::uint64_t& file)
{
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(handle, &information))
        return false;
    device = information.dwVolumeSerialNumber;
    file = (std::uint64_t(information.nFileIndexHigh) << 32) | information.nFileIndexLow;
    return true;
}
#endif

} // namespace

FollowedFile::FollowedFile(std::string path) : path_(std::move(path)) {}

FollowedFile::~FollowedFile()
{
    Close();
}

#ifdef _WIN32
bool FollowedFile::IsOpen() const
{
    return handle_ != nullptr;
}

void FollowedFile::Close()
{
    if (handle_ != nullptr)
        CloseHandle(handle_);
    handle_ = nullptr;
    offset_ = 0;
}

bool FollowedFile::ReadAt(std::span<char> space, std::size_t& read)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset_);
    at.OffsetHigh = static_cast<DWORD>(offset_ >> 32);
    DWORD got = 0;
    const DWORD most = static_cast<DWORD>(std::min<std::size_t>(space.size(), 1u << 30));
    if (!ReadFile(handle_, space.data(), most, &got, &at) && GetLastError() != ERROR_HANDLE_EOF) {
        errno = EIO;
        return false;
    }
    read = got;
    return true;
}

std::uint64_t FollowedFile::Size() const
{
    LARGE_INTEGER size{};
    return GetFileSizeEx(handle_, &size) ? static_cast<std::uint64_t>(size.QuadPart) : offset_;
}
#else
bool FollowedFile::IsOpen() const
{
    return fd_ >= 0;
}

void FollowedFile::Close()
{
    if (fd_ >= 0)
        CloseFile(fd_);
    fd_ = -1;
    offset_ = 0;
}

bool FollowedFile::ReadAt(std::span<char> space, std::size_t& read)
{
    const long n = static_cast<long>(::read(fd_, space.data(), space.size()));
    if (n < 0)
        return false;
    read = static_cast<std::size_t>(n);
    return true;
}

std::uint64_t FollowedFile::Size() const
{
    return RegularFileSize(fd_);
}
#endif

bool FollowedFile::Open()
{
#ifdef _WIN32
    const HANDLE handle = OpenShared(path_, GENERIC_READ);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    IdentityOf(handle, identity_.device, identity_.file);
    handle_ = handle;
#else
    fd_ = OpenForReading(path_);
    struct stat status {};
    if (fd_ < 0 || fstat(fd_, &status) != 0)
        return false;
    identity_ = {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
#endif
    offset_ = 0;
    return true;
}

bool FollowedFile::PathIdentity(Identity& identity) const
{
#ifdef _WIN32
    const HANDLE handle = OpenShared(path_, 0);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    const bool known = IdentityOf(handle, identity.device, identity.file);
    CloseHandle(handle);
    return known;
#else
    struct stat status {};
    if (stat(path_.c_str(), &status) != 0)
        return false;
    identity = {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
    return true;
#endif
}

FollowedFile::Next FollowedFile::Read(std::span<char> space, std::size_t& read)
{
    read = 0;
    if (!IsOpen()) {
        // Not there yet, as after a rotation that has not made the new one.
        if (!Open())
            return Next::Waiting;
        return Next::Anew;
    }
    if (!ReadAt(space, read)) {
        if (errno == EINTR)
            return Next::Waiting;
        throw IoError(IoError::Kind::Read, errno);
    }
    if (read > 0) {
        offset_ += read;
        return Next::Read;
    }
    // At its end: replaced by another file, or cut short?
    Identity now;
    if (!PathIdentity(now))
        return Next::Waiting;
    if (!(now == identity_)) {
        Close();
        return Open() ? Next::Anew : Next::Waiting;
    }
    if (Size() < offset_) {
        Close();
        return Open() ? Next::Anew : Next::Waiting;
    }
    return Next::Waiting;
}

void FollowedFile::Pause()
{
    if (!StopRequested())
        std::this_thread::sleep_for(kPause);
}
