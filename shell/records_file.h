#pragma once

#include <string>

#include "shell/records.h"

namespace tumblehand {

/// How a read of the records file went.
enum class RecordsStatus {
    Ok,          ///< three complete lines
    Missing,     ///< no file: the valid starting file (zeros, empty names)
    Malformed,   ///< read as far as it went, defaults for the rest
    TooLarge,    ///< larger than any records file can be: not read, defaults
    Unreadable,  ///< exists but cannot be opened
};

struct RecordsRead {
    Records records;
    RecordsStatus status = RecordsStatus::Missing;
};

/// Reads data.dat at path. Never throws; whatever it cannot read gets its default.
RecordsRead readRecordsFile(const std::string& path);

/// Writes the records atomically (temporary file in the same folder, flush, rename).
/// If the file at path was not read as Ok and exists, it is first kept as a backup
/// (path + ".bak", or a numbered copy). Returns an empty string on success, or a
/// message for the player saying what failed and where.
std::string writeRecordsFile(const std::string& path, const Records& records,
                             RecordsStatus statusOfExisting);

}  // namespace tumblehand
