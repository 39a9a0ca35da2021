#pragma once

#include "shell/records.h"

#include <cstddef>
#include <string>

namespace tumblehand {

/// A records file is a few hundred bytes; anything beyond this is not one and is not read.
inline constexpr std::size_t MaxRecordsFileBytes = 64 * 1024;

/// How a read of the records file went.
enum class RecordsStatus {
    Ok,          ///< three complete lines
    ShiftJis,    ///< three complete lines in Shift-JIS, the encoding of older files: converted
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
/// Line 1: best combo, its holder, best points, its holder; line 2: ten scores; line 3:
/// ten names. A quoted field is the text between the quotes, an unquoted one the text
/// up to the next comma or line end; lines end in CR LF or LF; the text is UTF-8, or
/// Shift-JIS (code page 932) in a file that is not UTF-8 but is valid Shift-JIS.
/// Numbers that do not fit their field are clamped, and texts are read as
/// storableText() would keep them; either makes the read Malformed.
RecordsRead readRecordsFile(const std::string& path);

/// The file's text for these records: three lines ended by CR LF, names and quoted
/// scores between double quotes (as storableText() keeps them), numbers bare.
std::string recordsFileText(const Records& records);

/// The outcome of saving the records.
struct RecordsSave {
    std::string error;                           ///< empty on success, else what failed and where, for the player
    std::string backupPath;                      ///< where the file that was replaced was kept, if it was
    RecordsStatus replaced = RecordsStatus::Ok;  ///< how that file read: why it was kept
};

/// Writes the records atomically (temporary file in the same folder, flush, rename).
/// If the file at path was not read as Ok (a Shift-JIS file included) and exists, it is first kept as a backup
/// (path + ".bak", or the first free path + ".bak1", ".bak2" ...); if that fails,
/// nothing is written.
RecordsSave saveRecordsFile(const std::string& path, const Records& records, RecordsStatus statusOfExisting);

}  // namespace tumblehand
