#pragma once

#include <string>

namespace tumblehand {

/// Holds the lock that copies of the game take while they read and rewrite the records
/// file, from construction to destruction. The lock is on the file path + ".lock" beside
/// it, never on the records file itself, which a save replaces by renaming; that file is
/// made when needed and stays. The kernel drops the lock when its holder dies, so a copy
/// that crashed blocks no one. Where no lock can be taken (the lock file cannot be made
/// or opened, the file system has no locks), it holds nothing and the save goes on.
class RecordsLock {
public:
    /// Waits until no other copy holds the lock for recordsPath, then takes it.
    explicit RecordsLock(const std::string& recordsPath);
    ~RecordsLock();
    RecordsLock(const RecordsLock&) = delete;
    RecordsLock& operator=(const RecordsLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace tumblehand
