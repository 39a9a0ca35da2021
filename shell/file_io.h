#pragma once

#include <string>
#include <string_view>

namespace tumblehand {

/// A file created under a fresh name beside another, open for writing. Its name carries
/// the process id, and a lock (flock) is held on it until release(): so a later start can
/// tell a file that a killed copy of the game left behind from one a living copy still
/// writes (removeLeftTemporaries()).
struct TemporaryFile {
    int fd = -1;       ///< -1 when it could not be created (errno says why)
    int lock = -1;     ///< a second descriptor holding the lock, so that closing fd keeps it
    std::string path;  ///< path + ".tmp." + process id + "." + six unique characters

    /// Lets the lock go: once the file was renamed into place or removed.
    void release();
};

/// Creates a temporary file in the folder of path, named after it, for an atomic
/// replace or a probe; no file when it fails.
TemporaryFile createTemporaryBeside(const std::string& path);

/// Removes the temporary files of base (a file name, as createTemporaryBeside() named them
/// beside folder + "/" + base) that no living copy of the game owns: a file goes only when
/// its lock can be taken, the process named in it is not running, and the name still
/// names the file that was locked. Names without a process id (made before names had
/// one) go only when namelessToo: the caller holds the lock under which such files were
/// made. A file that cannot be opened (another user's) stays.
void removeLeftTemporaries(const std::string& folder, std::string_view base, bool namelessToo);

/// Writes all of bytes, going on after an interrupting signal; false on an error (errno
/// says which).
bool writeAll(int fd, std::string_view bytes);

/// Copies everything that can be read from one descriptor to the other, going on after
/// an interrupting signal; false on an error.
bool copyBytes(int from, int to);

}  // namespace tumblehand
