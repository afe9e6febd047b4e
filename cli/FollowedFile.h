#pragma once

#include <cstdint>
#include <span>
#include <string>

// A log file followed as it grows, as `tail -F` follows one: what is
// written to it is read as it comes; a file that is replaced (rotated) is
// read to its end and the new one from its start; one cut short
// (truncated) is read again from its start.
class FollowedFile {
public:
    explicit FollowedFile(std::string path);
    ~FollowedFile();
    FollowedFile(const FollowedFile&) = delete;
    FollowedFile& operator=(const FollowedFile&) = delete;

    // What to do after the last read.
    enum class Next {
        Read,    // bytes came: `read` of them
        Waiting, // nothing new: the file is as it was
        Anew,    // the file was replaced or cut short: a new text starts
    };
    // Reads what has come into `space`, or looks whether the file was
    // replaced or cut short; throws IoError where the file cannot be read
    // (a file that is not there yet, or no longer, is waited for).
    Next Read(std::span<char> space, std::size_t& read);
    // Waits a moment for more, or for a stop.
    static void Pause();

private:
    struct Identity {
        std::uint64_t device = 0;
        std::uint64_t file = 0;
        bool operator==(const Identity&) const = default;
    };
    bool Open();
    void Close();
    // The identity of what the path names now; false when it names nothing.
    bool PathIdentity(Identity& identity) const;

    bool IsOpen() const;
    // Read from its offset; false where reading failed.
    bool ReadAt(std::span<char> space, std::size_t& read);
    std::uint64_t Size() const;

    std::string path_;
#ifdef _WIN32
    // Read through Windows' own calls: the C runtime's read keeps saying
    // the file ends once it has ended, however it grows after.
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
    Identity identity_;
    std::uint64_t offset_ = 0;
};
