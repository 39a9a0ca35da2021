#pragma once

#include <string>
#include <string_view>

namespace tumblehand {

/// A file created under a fresh name beside another, open for writing.
struct TemporaryFile {
    int fd = -1;       ///< -1 when it could not be created (errno says why)
    std::string path;  ///< path + ".tmp." + six unique characters
};

/// Creates a temporary file in the folder of path, named after it, for an atomic
/// replace or a probe; no file when it fails.
TemporaryFile createTemporaryBeside(const std::string& path);

/// Writes all of bytes, going on after an interrupting signal; false on an error (errno
/// says which).
bool writeAll(int fd, std::string_view bytes);

/// Copies everything that can be read from one descriptor to the other, going on after
/// an interrupting signal; false on an error.
bool copyBytes(int from, int to);

}  // namespace tumblehand
