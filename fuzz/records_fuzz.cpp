// Feeds arbitrary bytes to the records-file reader as data.dat. Whatever it reads must
// be writable and must read back unchanged and clean: the game rewrites the file at
// every game over, so a table that drifts or breaks on a round trip loses records.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_folder.h"
#include "shell/records_file.h"

using namespace tumblehand;

namespace {

void expectStableRoundTrip(const Records& records, const std::string& folder) {
    // The text alone, written plainly.
    const std::string text = recordsFileText(records);
    const std::string plain = folder + "/text.dat";
    fuzz::writeBytes(plain, text);
    const RecordsRead again = readRecordsFile(plain);
    if (again.status != RecordsStatus::Ok) fuzz::fail("written text does not read Ok");
    if (again.records != records) fuzz::fail("written text reads back different records");
    if (recordsFileText(again.records) != text) fuzz::fail("second write differs from first");

    // The way the game saves: atomically, over a file that read clean.
    const std::string saved = folder + "/saved.dat";
    const RecordsSave save = saveRecordsFile(saved, records, RecordsStatus::Ok);
    if (!save.error.empty()) fuzz::fail("saving failed");
    if (!save.backupPath.empty()) fuzz::fail("a clean file was backed up");
    const RecordsRead reread = readRecordsFile(saved);
    if (reread.status != RecordsStatus::Ok) fuzz::fail("saved file does not read Ok");
    if (reread.records != records) fuzz::fail("saved file reads back different records");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& folder = fuzz::scratchFolder();
    const std::string path = folder + "/data.dat";
    fuzz::writeBytes(path, std::string_view(reinterpret_cast<const char*>(data), size));

    const RecordsRead read = readRecordsFile(path);
    switch (read.status) {
        case RecordsStatus::Ok:
        case RecordsStatus::Malformed:
            expectStableRoundTrip(read.records, folder);
            break;
        case RecordsStatus::TooLarge:
            if (size <= MaxRecordsFileBytes) fuzz::fail("a small file was refused as too large");
            if (read.records != Records{}) fuzz::fail("a refused file left records behind");
            break;
        case RecordsStatus::Missing:
        case RecordsStatus::Unreadable:
            fuzz::fail("a file just written is missing or unreadable");
    }
    return 0;
}
