#include "shell/records_lock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumblehand {

RecordsLock::RecordsLock(const std::string& recordsPath) : path_(recordsPath) {
    const std::string path = recordsPath + ".lock";
    // O_NONBLOCK only keeps a pipe put in its place from hanging the open.
    constexpr int Flags = O_CLOEXEC | O_NONBLOCK;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | Flags, S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
    // A lock file this user may only read (another user's) locks all the same.
    if (fd_ < 0) fd_ = ::open(path.c_str(), O_RDONLY | Flags);
    tryAgain();
}

RecordsLock::~RecordsLock() {
    // Closing the only descriptor of the lock file releases the lock.
    if (fd_ >= 0) ::close(fd_);
}

bool RecordsLock::tryAgain() {
    busy_ = false;
    if (fd_ < 0) return true;
    int result = 0;
    do {
        result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) return true;
    if (errno == EWOULDBLOCK) {
        busy_ = true;
        return false;
    }
    giveUp();  // a file system without locks
    return true;
}

void RecordsLock::giveUp() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    busy_ = false;
}

}  // namespace tumblehand
