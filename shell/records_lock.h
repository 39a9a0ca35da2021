#pragma once

#include <string>

namespace tumblehand {

/// The lock that copies of the game take while they read and rewrite the records file.
/// The lock is on the file path + ".lock" beside it, never on the records file itself,
/// which a save replaces by renaming; that file is made when needed and stays. The kernel
/// drops the lock when its holder dies, so a copy that crashed blocks no one. Taking it
/// never waits: while another copy holds it, busy() says so and the caller tries again
/// (the window keeps answering meanwhile). Where no lock can be taken (the lock file
/// cannot be made or opened, the file system has no locks), it holds nothing and is not
/// busy: the save goes on, as saves did before there was a lock.
class RecordsLock {
public:
    /// Takes the lock for recordsPath unless another copy holds it.
    explicit RecordsLock(const std::string& recordsPath);
    ~RecordsLock();
    RecordsLock(const RecordsLock&) = delete;
    RecordsLock& operator=(const RecordsLock&) = delete;

    /// The records file this lock is for.
    const std::string& recordsPath() const { return path_; }
    /// True while another copy holds the lock.
    bool busy() const { return busy_; }
    /// True while this copy holds it.
    bool held() const { return fd_ >= 0 && !busy_; }
    /// Tries once more to take the lock; true when it is no longer busy.
    bool tryAgain();
    /// Stops waiting: the save goes on without the lock.
    void giveUp();

private:
    std::string path_;
    int fd_ = -1;
    bool busy_ = false;
};

}  // namespace tumblehand
