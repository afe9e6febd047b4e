#include "cli/FollowedFile.h"

#include "cli/Streams.h"
#include "cli/Surroundings.h"

#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <QString>
#include <io.h>
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

void FollowedFile::Close()
{
    if (fd_ >= 0)
        CloseFile(fd_);
    fd_ = -1;
    offset_ = 0;
}

bool FollowedFile::Open()
{
#ifdef _WIN32
    const HANDLE handle = OpenShared(path_, GENERIC_READ);
    if (handle == INVALID_HANDLE_VALUE)
        return false;
    IdentityOf(handle, identity_.device, identity_.file);
    fd_ = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd_ < 0) {
        CloseHandle(handle);
        return false;
    }
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
    if (fd_ < 0) {
        // Not there yet, as after a rotation that has not made the new one.
        if (!Open())
            return Next::Waiting;
        return Next::Anew;
    }
#ifdef _WIN32
    const long n = _read(fd_, space.data(), static_cast<unsigned>(space.size()));
#else
    const long n = static_cast<long>(::read(fd_, space.data(), space.size()));
#endif
    if (n < 0) {
        if (errno == EINTR)
            return Next::Waiting;
        throw IoError(IoError::Kind::Read, errno);
    }
    if (n > 0) {
        read = static_cast<std::size_t>(n);
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
    const std::uint64_t size = RegularFileSize(fd_);
    if (size < offset_) {
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
