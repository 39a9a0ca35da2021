#include "shell/records_location.h"

#include "board/form1.h"
#include "shell/file_io.h"

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumblehand {

namespace {

namespace fs = std::filesystem;

constexpr const char* FileName = RecordsFileName;
constexpr const char* GameFolder = "tumblehand";
constexpr const char* ProbeName = ".tumblehand-probe";

// Copies the shipped records to target unless target exists. The copy is made under a
// temporary name and linked into place, so a second copy of the game starting at the
// same moment can neither see half a file nor overwrite the player's records.
void copyShipped(const std::string& shipped, const std::string& target) {
    std::error_code error;
    if (fs::symlink_status(target, error).type() != fs::file_type::not_found) return;
    if (fs::status(shipped, error).type() != fs::file_type::regular) return;
    const int from = ::open(shipped.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) return;
    TemporaryFile temporary = createTemporaryBeside(target);
    if (temporary.fd >= 0) {
        ::fchmod(temporary.fd, 0644);
        const bool copied = copyBytes(from, temporary.fd) && ::fsync(temporary.fd) == 0;
        const bool closed = ::close(temporary.fd) == 0;
        // link() fails when target exists: a file that appeared meanwhile is kept, so its
        // result changes nothing here.
        if (copied && closed) {
            [[maybe_unused]] const int linked = ::link(temporary.path.c_str(), target.c_str());
        }
        ::unlink(temporary.path.c_str());
        temporary.release();
    }
    ::close(from);
}

}  // namespace

bool canCreateFileIn(const std::string& folder) {
    TemporaryFile probe = createTemporaryBeside((fs::path(folder) / ProbeName).string());
    if (probe.fd < 0) return false;
    ::close(probe.fd);
    ::unlink(probe.path.c_str());
    probe.release();
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

const std::string& Form1::settleRecordsFile() {
    const std::string folder = MyPath();
    // Probes left by killed copies (they never had a lock to be made under: any without a
    // process id in its name is a moment old at most or left for good, and harms no one gone).
    removeLeftTemporaries(folder, ProbeName, true);
    recordsFile_ = recordsPathFor(folder, canCreateFileIn(folder), platform().userDataFolder());
    const fs::path file(recordsFile_);
    removeLeftTemporaries(file.parent_path().string(), FileName, false);
    return recordsFile_;
}

const std::string& Form1::recordsFile() {
    if (recordsFile_.empty()) settleRecordsFile();
    return recordsFile_;
}

}  // namespace tumblehand
