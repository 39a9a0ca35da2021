#include "harness/temp_folder.h"
#include "shell/records_file.h"
#include "tests/support/sample_records.h"

#include <gtest/gtest.h>

#include <random>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tumblehand {
namespace {

// Long names make a large file, so that a kill often lands inside a write.
Records table(const std::string& name, std::int32_t points) {
    Records records = testing::sampleRecords(points, 1);
    for (std::string& holder : records.names) holder = name + std::string(200, 'x');
    return records;
}

// A writer process saves two tables in turn until it is killed at a random moment;
// whenever it dies, data.dat must hold one of the two tables, complete.
TEST(RecordsCrashSafety, AKilledWriterLeavesTheOldOrTheNewTable) {
    TempFolder folder;
    const std::string path = folder.file("data.dat");
    const Records old = table("old", 1000);
    const Records fresh = table("new", 2000);
    ASSERT_EQ(saveRecordsFile(path, old, RecordsStatus::Missing).error, "");

    std::mt19937 generator(2024);
    for (int round = 0; round < 100; ++round) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (int save = 0; save < 100000; ++save) {
                saveRecordsFile(path, save % 2 == 0 ? fresh : old, RecordsStatus::Ok);
            }
            ::_exit(0);
        }
        // The delay only picks the moment of the kill; nothing depends on its length.
        ::usleep(static_cast<useconds_t>(generator() % 12000));
        ::kill(writer, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(writer, &status, 0), writer);

        const RecordsRead read = readRecordsFile(path);
        ASSERT_EQ(read.status, RecordsStatus::Ok) << "round " << round;
        ASSERT_TRUE(read.records == old || read.records == fresh) << "round " << round;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("data.dat.bak"))) << "a clean file is never backed up";
}

}  // namespace
}  // namespace tumblehand
