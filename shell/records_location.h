#pragma once

#include <string>

namespace tumblehand {

/// The records file's name, in whichever folder it lives.
inline constexpr const char* RecordsFileName = "data.dat";

/// True when a file can be created in folder right now: it creates one and removes it
/// again, which is exactly what saving the records needs.
bool canCreateFileIn(const std::string& folder);

/// The records file data.dat for a program folder (with its trailing '/'):
/// - beside the program when that folder can be written;
/// - otherwise in userDataFolder + "/tumblehand/", created when needed, where a
///   data.dat shipped beside the program is copied the first time (never over one
///   that is already there);
/// - beside the program after all when there is no per-user folder.
std::string recordsPathFor(const std::string& programFolder, bool programFolderWritable,
                           const std::string& userDataFolder);

}  // namespace tumblehand
