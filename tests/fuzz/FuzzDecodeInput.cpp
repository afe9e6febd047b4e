#include "cli/Command.h"
#include "cli/Decoder.h"

#include <QJsonDocument>

#include <cstdint>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

int FileHolding(const std::uint8_t* data, std::size_t size)
{
    const int fd = memfd_create("fuzz", 0);
    if (fd < 0 || write(fd, data, size) != static_cast<ssize_t>(size))
        std::abort();
    lseek(fd, 0, SEEK_SET);
    return fd;
}

std::string Contents(int fd)
{
    std::string text(static_cast<std::size_t>(lseek(fd, 0, SEEK_END)), '\0');
    if (pread(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size()))
        std::abort();
    return text;
}

} // namespace

// Any bytes as a stream of status lines and of error codes, as one
// argument, and as a log to scan: nothing crashes, every JSON line parses,
// and notes hold no raw control characters.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string argument(reinterpret_cast<const char*>(data), size);
    for (const std::string command : {"status", "error", "scan"}) {
        for (const bool json : {false, true}) {
            const int in = FileHolding(data, size);
            const int out = memfd_create("out", 0);
            const int err = memfd_create("err", 0);
            std::vector<std::string> arguments{command, "-"};
            if (json)
                arguments.push_back("--json");
            RunDecodeCommand(arguments, {in, out, err});
            // After "--" even "-h" is a value to decode, not an option (for
            // scan, a file's name: not taken from the input).
            if (command != "scan") {
                arguments.erase(arguments.begin() + 1);
                arguments.insert(arguments.end(), {"--", argument});
                RunDecodeCommand(arguments, {in, out, err});
            }
            const std::string results = Contents(out);
            for (std::size_t start = 0; json && start < results.size();) {
                const std::size_t end = results.find('\n', start);
                const QByteArray line = QByteArray::fromStdString(results.substr(start, end - start));
                if (!QJsonDocument::fromJson(line).isObject())
                    std::abort();
                start = end + 1;
            }
            for (unsigned char c : Contents(err)) {
                if ((c < 0x20 && c != '\n') || c == 0x7F)
                    std::abort();
            }
            close(in);
            close(out);
            close(err);
        }
    }
    return 0;
}
