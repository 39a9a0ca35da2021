#include "shell/file_io.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumblehand {

namespace {

namespace fs = std::filesystem;

constexpr int Attempts = 100;

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True when path still names the file open at fd.
bool stillNamed(int fd, const std::string& path) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && sameFile(open, named);
}

// The process id in a temporary name's tail "<pid>.XXXXXX"; 0 for a tail without one.
pid_t ownerOf(std::string_view tail) {
    const std::size_t dot = tail.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot > 9 || tail.size() != dot + 7) return 0;
    pid_t pid = 0;
    for (const char c : tail.substr(0, dot)) {
        if (c < '0' || c > '9') return 0;
        pid = pid * 10 + (c - '0');
    }
    return pid;
}

// A process of another user, or in another pid namespace seen here, counts as running.
bool running(pid_t pid) { return ::kill(pid, 0) == 0 || errno == EPERM; }

}  // namespace

void TemporaryFile::release() {
    if (lock >= 0) ::close(lock);
    lock = -1;
}

TemporaryFile createTemporaryBeside(const std::string& path) {
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        std::string pattern = path + ".tmp." + std::to_string(::getpid()) + ".XXXXXX";
        const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
        if (fd < 0) return {};
        // A copy cleaning up may have taken the file in the moment before the lock: then
        // it is gone or going, and a new one is made.
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (!locked && errno == EWOULDBLOCK) {
            ::close(fd);
            continue;
        }
        if (locked && !stillNamed(fd, pattern)) {
            ::close(fd);
            continue;
        }
        // Without locks in the folder's file system the name's process id alone guards it.
        return {fd, locked ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : -1, pattern};
    }
    errno = EEXIST;
    return {};
}

void removeLeftTemporaries(const std::string& folder, std::string_view base, bool namelessToo) {
    const std::string prefix = std::string(base) + ".tmp.";
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const pid_t owner = ownerOf(std::string_view(name).substr(prefix.size()));
        if (owner > 0 ? running(owner) : !namelessToo) continue;
        const std::string path = it->path().string();
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            stillNamed(fd, path)) {
            ::unlink(path.c_str());
        }
        ::close(fd);
    }
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
