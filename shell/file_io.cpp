#include "shell/file_io.h"

#include <cerrno>
#include <cstdlib>

#include <unistd.h>

namespace tumblehand {

TemporaryFile createTemporaryBeside(const std::string& path) {
    std::string pattern = path + ".tmp.XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return {};
    return {fd, pattern};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool copyBytes(int from, int to) {
    char buffer[8192];
    while (true) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (!writeAll(to, std::string_view(buffer, static_cast<std::size_t>(got)))) return false;
    }
}

}  // namespace tumblehand
