#include "shell/records_location.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "board/form1.h"

namespace tumblehand {

namespace {

namespace fs = std::filesystem;

constexpr const char* FileName = "data.dat";
constexpr const char* GameFolder = "tumblehand";

// A temporary file from a mkstemp pattern of path + suffix; -1 and no file on failure.
int createTemporary(const std::string& path, std::string& created) {
    std::vector<char> pattern(path.begin(), path.end());
    for (char c : std::string_view(".tmp.XXXXXX")) pattern.push_back(c);
    pattern.push_back('\0');
    const int fd = ::mkstemp(pattern.data());
    if (fd >= 0) created = pattern.data();
    return fd;
}

bool copyBytes(int from, int to) {
    char buffer[8192];
    while (true) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0) return false;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, static_cast<std::size_t>(got - done));
            if (put < 0) return false;
            done += put;
        }
    }
}

// Copies the shipped records to target unless target exists. The copy is made under a
// temporary name and linked into place, so a second copy of the game starting at the
// same moment can neither see half a file nor overwrite the player's records.
void copyShipped(const std::string& shipped, const std::string& target) {
    std::error_code error;
    if (fs::symlink_status(target, error).type() != fs::file_type::not_found) return;
    if (fs::status(shipped, error).type() != fs::file_type::regular) return;
    const int from = ::open(shipped.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) return;
    std::string temporary;
    const int to = createTemporary(target, temporary);
    if (to >= 0) {
        ::fchmod(to, 0644);
        const bool copied = copyBytes(from, to) && ::fsync(to) == 0;
        const bool closed = ::close(to) == 0;
        // link() fails when target exists: a file that appeared meanwhile is kept.
        if (copied && closed) ::link(temporary.c_str(), target.c_str());
        ::unlink(temporary.c_str());
    }
    ::close(from);
}

}  // namespace

bool canCreateFileIn(const std::string& folder) {
    std::string probe;
    const int fd = createTemporary((fs::path(folder) / ".tumblehand-probe").string(), probe);
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string recordsPathFor(const std::string& programFolder, bool programFolderWritable,
                           const std::string& userDataFolder) {
    const std::string beside = programFolder + FileName;
    if (programFolderWritable || userDataFolder.empty()) return beside;

    const fs::path folder = fs::path(userDataFolder) / GameFolder;
    // A folder that cannot be made is left for the save to report, naming it.
    std::error_code error;
    fs::create_directories(folder, error);

    const std::string path = (folder / FileName).string();
    copyShipped(beside, path);
    return path;
}

std::string recordsPath(Form1& form) {
    const std::string folder = form.MyPath();
    return recordsPathFor(folder, canCreateFileIn(folder), form.platform().userDataFolder());
}

}  // namespace tumblehand
