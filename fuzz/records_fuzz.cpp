// Feeds arbitrary bytes to the records-file reader as data.dat. Whatever it reads must
// be writable and must read back unchanged and clean: the game rewrites the file at
// every game over, so a table that drifts or breaks on a round trip loses records.
#include "harness/temp_folder.h"
#include "shell/records_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace tumblehand;

namespace {

// Stops the run with a message libFuzzer keeps beside the crashing input.
[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

void expectStableRoundTrip(const Records& records, const TempFolder& folder) {
    // The way the game saves: atomically, over a file that read clean.
    const std::string saved = folder.file("saved.dat");
    const RecordsSave save = saveRecordsFile(saved, records, RecordsStatus::Ok);
    if (!save.error.empty()) fail("saving failed");
    if (!save.backupPath.empty()) fail("a clean file was backed up");
    const RecordsRead reread = readRecordsFile(saved);
    if (reread.status != RecordsStatus::Ok) fail("saved file does not read Ok");
    if (reread.records != records) fail("saved file reads back different records");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempFolder folder;  // one per fuzzing process, removed at exit
    const std::string path = folder.file("data.dat");
    folder.write("data.dat", std::string(reinterpret_cast<const char*>(data), size));

    const RecordsRead read = readRecordsFile(path);
    switch (read.status) {
        case RecordsStatus::Ok:
        case RecordsStatus::ShiftJis:
        case RecordsStatus::Malformed: expectStableRoundTrip(read.records, folder); break;
        case RecordsStatus::TooLarge:
            if (size <= MaxRecordsFileBytes) fail("a small file was refused as too large");
            if (read.records != Records{}) fail("a refused file left records behind");
            break;
        case RecordsStatus::Missing:
        case RecordsStatus::Unreadable: fail("a file just written is missing or unreadable");
    }
    return 0;
}
