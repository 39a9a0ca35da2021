#include "shell/records_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumblehand {

RecordsLock::RecordsLock(const std::string& recordsPath) {
    const std::string path = recordsPath + ".lock";
    // O_NONBLOCK only keeps a pipe put in its place from hanging the open.
    constexpr int Flags = O_CLOEXEC | O_NONBLOCK;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | Flags, S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
    // A lock file this user may only read (another user's) locks all the same.
    if (fd_ < 0) fd_ = ::open(path.c_str(), O_RDONLY | Flags);
    // The save takes a moment and asks nothing while it holds the lock, so the wait has
    // no limit. A file system without locks (or a signal during the wait) leaves the
    // save unlocked, as saves were before there was a lock.
    if (fd_ >= 0) ::flock(fd_, LOCK_EX);
}

RecordsLock::~RecordsLock() {
    // Closing the only descriptor of the lock file releases the lock.
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace tumblehand
