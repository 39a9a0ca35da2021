#include "board/numbers.h"
#include "shell/file_io.h"
#include "shell/record_text.h"
#include "shell/records_file.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tumblehand {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view LineEnd = "\r\n";
constexpr int MaxBackups = 1000;

std::string inQuotes(std::string_view text) { return "\"" + storableText(text) + "\""; }

// A bare score is written as read when it reads back the same; anything else as its value.
std::string bare(const ScoreField& score) {
    const std::string& text = score.text;
    if (text.empty()) return {};
    std::int64_t value = 0;
    if (isPlainInteger(text) && text.size() <= 11) {
        std::from_chars(text.data(), text.data() + text.size(), value);
        if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max()) {
            return text;
        }
    }
    return decimal(score.value());
}

std::string failure(std::string_view what, const std::string& where, int errorNumber) {
    return "記録を保存できませんでした。\r\n" + std::string(what) + ": " + where + " (" + std::strerror(errorNumber) +
           ")";
}

std::string folderOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

// Keeps the file at path under the first free backup name. A hard link costs nothing
// even for a huge file and never leaves a moment without data.dat; a copy is the
// fallback where links are not possible.
RecordsSave keepBackup(const std::string& path) {
    RecordsSave result;
    for (int n = 0; n < MaxBackups; ++n) {
        const std::string name = path + ".bak" + (n == 0 ? std::string() : decimal(n));
        std::error_code error;
        if (fs::symlink_status(name, error).type() != fs::file_type::not_found) continue;
        fs::create_hard_link(path, name, error);
        if (!error) {
            result.backupPath = name;
            return result;
        }
        if (error == std::errc::file_exists) continue;
        std::error_code copyError;
        fs::copy_file(path, name, fs::copy_options::none, copyError);
        if (!copyError) {
            result.backupPath = name;
            return result;
        }
        if (copyError == std::errc::file_exists) continue;
        result.error = failure("could not keep a copy of the old records file", name, copyError.value());
        return result;
    }
    result.error = failure("could not keep a copy of the old records file", path + ".bak", EEXIST);
    return result;
}

void syncFolder(const std::string& folder) {
    // Makes the rename itself durable; a folder that cannot be synced loses nothing.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string recordsFileText(const Records& records) {
    std::string text;
    text += decimal(records.bestCombo) + "," + inQuotes(records.comboHolder) + "," + decimal(records.bestPoints) + "," +
            inQuotes(records.pointsHolder);
    text += LineEnd;
    for (std::size_t i = 0; i < records.scores.size(); ++i) {
        const ScoreField& score = records.scores[i];
        if (i > 0) text += ",";
        text += score.quoted ? inQuotes(score.text) : bare(score);
    }
    text += LineEnd;
    for (std::size_t i = 0; i < records.names.size(); ++i) {
        if (i > 0) text += ",";
        text += inQuotes(records.names[i]);
    }
    text += LineEnd;
    return text;
}

RecordsSave saveRecordsFile(const std::string& path, const Records& records, RecordsStatus statusOfExisting) {
    RecordsSave result;
    if (statusOfExisting != RecordsStatus::Ok) {
        std::error_code error;
        if (fs::symlink_status(path, error).type() != fs::file_type::not_found) {
            result = keepBackup(path);
            result.replaced = statusOfExisting;
            if (!result.error.empty()) return result;
        }
    }

    const std::string folder = folderOf(path);
    TemporaryFile temporary = createTemporaryBeside(path);
    if (temporary.fd < 0) {
        result.error = failure("could not create a temporary file in the folder", folder, errno);
        return result;
    }
    const int fd = temporary.fd;
    const std::string& temporaryPath = temporary.path;
    const auto abandon = [&](std::string_view what, const std::string& where, int errorNumber) {
        ::unlink(temporaryPath.c_str());
        temporary.release();
        result.error = failure(what, where, errorNumber);
        return result;
    };

    ::fchmod(fd, 0644);
    if (!writeAll(fd, recordsFileText(records))) {
        const int errorNumber = errno;
        ::close(fd);
        return abandon("could not write the temporary file", temporaryPath, errorNumber);
    }
    if (::fsync(fd) != 0) {
        const int errorNumber = errno;
        ::close(fd);
        return abandon("could not flush the temporary file", temporaryPath, errorNumber);
    }
    if (::close(fd) != 0) {
        return abandon("could not close the temporary file", temporaryPath, errno);
    }
    if (::rename(temporaryPath.c_str(), path.c_str()) != 0) {
        return abandon("could not replace the records file", path, errno);
    }
    temporary.release();
    syncFolder(folder);
    return result;
}

}  // namespace tumblehand
