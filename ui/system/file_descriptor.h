#pragma once

#include <unistd.h>

namespace tumblehand::ui {

/// A kernel file descriptor (a timerfd, an inotify instance) that closes itself; -1
/// holds none. Declared before the QSocketNotifier that watches it, so that the
/// notifier goes first and never watches a closed descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

    void close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

}  // namespace tumblehand::ui
