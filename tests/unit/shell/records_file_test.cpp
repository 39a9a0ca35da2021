#include "shell/records_file.h"

#include "board/numbers.h"
#include "harness/temp_folder.h"
#include "shell/record_text.h"
#include "tests/support/sample_records.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <random>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tumblehand {

namespace {

const std::string Line1 = "7,\"AB\",900,\"CD\"\r\n";
const std::string Line2 = "\"5000\",4000,\"3000\",2000,1000,900,800,700,600,\"500\"\r\n";
const std::string Rest2 = Line2.substr(6);  // line 2 without its first score
const std::string Line3 = "\"一郎\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"j\"\r\n";
const std::string Sample = Line1 + Line2 + Line3;

std::string repeat(const std::string& piece, std::size_t times) {
    std::string result;
    for (std::size_t i = 0; i < times; ++i) result += piece;
    return result;
}

struct RecordsFile : ::testing::Test {
    TempFolder folder;
    std::string path = folder.file("data.dat");

    RecordsRead readText(const std::string& bytes) {
        folder.write("data.dat", bytes);
        return readRecordsFile(path);
    }
    // Whatever was read, the file written from it reads back the same, completely.
    void expectCleanRewrite(const Records& records) {
        ASSERT_EQ(saveRecordsFile(path, records, RecordsStatus::Ok).error, "");
        const RecordsRead again = readRecordsFile(path);
        EXPECT_EQ(again.status, RecordsStatus::Ok);
        EXPECT_EQ(again.records, records);
    }
};

// Each file is read, then rewritten: quoted and bare scores keep their form.
TEST_F(RecordsFile, RoundTrips) {
    const std::string zeros = "0,\"\",0,\"\"\r\n0,0,0,0,0,0,0,0,0,0\r\n" + repeat("\"\",", 9) + "\"\"\r\n";
    struct Case {
        const char* name;
        std::optional<std::string> bytes;
        RecordsStatus status;
        std::string written;
    };
    const Case cases[] = {
        {"as written", Sample, RecordsStatus::Ok, Sample},
        {"last line end missing", Sample.substr(0, Sample.size() - 2), RecordsStatus::Ok, Sample},
        {"byte order mark", "\xEF\xBB\xBF" + Sample, RecordsStatus::Ok, Sample},
        {"missing file is the starting file", std::nullopt, RecordsStatus::Missing, zeros},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(path);
        if (c.bytes) folder.write("data.dat", *c.bytes);
        const RecordsRead read = readRecordsFile(path);
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(recordsFileText(read.records), c.written);
        EXPECT_EQ(saveRecordsFile(path, read.records, read.status).error, "");
        EXPECT_EQ(folder.read("data.dat"), c.written);
        EXPECT_EQ(folder.listing(), "data.dat ") << "no temporary file or backup is left";
    }
    // Bare scores that would not read back as themselves are written as their values.
    Records wide;
    wide.scores[0] = {"99999999999", false};
    wide.scores[1] = {"-99999999999", false};
    EXPECT_NE(recordsFileText(wide).find("\r\n2147483647,-2147483648,0,"), std::string::npos);
}

TEST_F(RecordsFile, ReadsBrokenFilesAsFarAsTheyGo) {
    using R = const Records&;
    // shown joins the fields a row looks at, so that one line shows them all.
    struct Case {
        const char* name;
        std::string bytes;
        RecordsStatus status;
        std::function<std::string(R)> shown;
        std::string expected;
    };
    const auto bad = RecordsStatus::Malformed;
    const auto ok = RecordsStatus::Ok;
    const auto score = [](const ScoreField& f) { return (f.quoted ? "q" : "b") + f.text; };
    const auto numbers = [&](R r) {
        return decimal(r.bestCombo) + " " + decimal(r.bestPoints) + " " + score(r.scores[0]);
    };
    const auto comboHolder = [](R r) { return r.comboHolder; };
    const Case cases[] = {
        {"empty", "", bad, [](R r) { return r == Records{} ? "as new" : "?"; }, "as new"},
        {"one line", Line1, bad, [&](R r) { return r.pointsHolder + score(r.scores[0]); }, "CD" + score({})},
        {"cut inside line 2", Line1 + "\"5000\",40", bad, [&](R r) { return score(r.scores[1]) + score(r.scores[2]); },
         "b40" + score({})},
        {"names without quotes", "7,AB,900,C D\r\n" + Line2 + "x,\"b\",,d,e,f,g,h,i,j\r\n", ok,
         [](R r) { return r.pointsHolder + "|" + r.names[0] + "|" + r.names[2] + "|" + r.names[3]; }, "C D|x||d"},
        {"quote never closed", "7,\"AB,900,\"CD\"\r\n" + Line2 + Line3, bad,
         [](R r) { return r.comboHolder + decimal(r.bestPoints) + decimal(r.scores[0].value()); }, "AB,900,05000"},
        {"text after a closing quote", "7,\"AB\"x,900,\"CD\"\r\n" + Line2 + Line3, bad,
         [](R r) { return r.comboHolder + decimal(r.bestPoints); }, "AB900"},
        {"empty score fields", Line1 + ",,,,,,,,,\r\n" + Line3, ok, [&](R r) { return score(r.scores[0]); }, "b"},
        {"numbers too large", "999,\"A\",99999999999,\"B\"\r\n99999999999" + Rest2 + Line3, bad, numbers,
         "255 2147483647 b2147483647"},
        {"numbers too small", "-5,\"A\",-99999999999,\"B\"\r\n-99999999999" + Rest2 + Line3, bad, numbers,
         "0 -2147483648 b-2147483648"},
        {"text after a quoted number", "\"7\"x,\"A\",900,\"B\"\r\n" + Line2 + Line3, bad, numbers, "7 900 q5000"},
        {"only the combo too large", "256,\"A\",900,\"B\"\r\n" + Line2 + Line3, bad, numbers, "255 900 q5000"},
        {"limits that fit", "255,\"A\",-2147483648,\"B\"\r\n2147483647" + Rest2 + Line3, ok, numbers,
         "255 -2147483648 b2147483647"},
        {"a huge quoted score keeps its text", Line1 + "\"99999999999999\"" + Rest2 + Line3, ok,
         [&](R r) { return score(r.scores[0]) + decimal(r.scores[0].value()); }, "q999999999999992147483647"},
        {"a word where a number belongs", "x,\"A\",12p,\"B\"\r\nabc" + Rest2 + Line3, bad, numbers, "0 12 b0"},
        {"control characters in a name", "7,\"A\tB\x01\",900,\"CD\"\r\n" + Line2 + Line3, bad, comboHolder, "AB"},
        {"bytes that are not UTF-8", "7,\"A\xFF\",900,\"CD\"\r\n" + Line2 + Line3, bad, comboHolder, "A\uFFFD"},
        {"a fourth line", Sample + "junk\r\n", bad, [](R r) { return r.names[9]; }, "j"},
        {"extra fields", Line1 + Line2.substr(0, Line2.size() - 2) + ",1\r\n" + Line3, bad,
         [](R r) { return decimal(r.scores[9].value()); }, "500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RecordsRead read = readText(c.bytes);
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(c.shown(read.records), c.expected);
        expectCleanRewrite(read.records);
    }
}

// A file that is not UTF-8 is read as Shift-JIS, the encoding older versions wrote,
// when it is that; UTF-8 comes first, and a file that is neither reads as before.
TEST_F(RecordsFile, ReadsOlderShiftJisFiles) {
    const testing::ShiftJisFile old = testing::shiftJisFile();
    std::string mixed = old.bytes;  // place 1 in UTF-8 with a Shift-JIS lead byte alone
    mixed.replace(mixed.find("\x8E\x52\x93\x63"), 4, "山田\x82");
    const auto names = [](const Records& r) {
        return r.comboHolder + "|" + r.pointsHolder + "|" + r.names[0] + "|" + r.names[1];
    };
    const struct {
        const char* name;
        std::string bytes;
        RecordsStatus status;
        std::string names;
    } cases[] = {
        {"Shift-JIS", old.bytes, RecordsStatus::ShiftJis, "鈴木|田中|山田|佐藤"},
        {"UTF-8 that is valid Shift-JIS too", recordsFileText(old.records), RecordsStatus::Ok, "鈴木|田中|山田|佐藤"},
        {"neither", mixed, RecordsStatus::Malformed,
         repeat("\uFFFD", 4) + "|\uFFFDc\uFFFD\uFFFD|山田\uFFFD|" + repeat("\uFFFD", 4)},
    };
    for (const auto& c : cases) {
        const RecordsRead read = readText(c.bytes);
        EXPECT_EQ(read.status, c.status) << c.name;
        EXPECT_EQ(names(read.records), c.names) << c.name;
    }
}

TEST_F(RecordsFile, RefusesFilesBeyondTheSizeLimitAndLeavesThem) {
    folder.write("data.dat", Sample);
    std::filesystem::resize_file(path, MaxRecordsFileBytes);  // sparse: quick to make
    EXPECT_EQ(readRecordsFile(path).status, RecordsStatus::Malformed) << "the limit itself is read";
    std::filesystem::resize_file(path, MaxRecordsFileBytes + 1);
    const RecordsRead read = readRecordsFile(path);
    EXPECT_EQ(read.status, RecordsStatus::TooLarge);
    EXPECT_EQ(read.records, Records{});
    EXPECT_EQ(std::filesystem::file_size(path), MaxRecordsFileBytes + 1);
    // Longer than its size says, as a file still growing is: refused by what was read.
    if (std::filesystem::exists("/proc/kallsyms")) {  // size 0, megabytes of text
        EXPECT_EQ(readRecordsFile("/proc/kallsyms").status, RecordsStatus::TooLarge);
    }
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(readRecordsFile(path).status, RecordsStatus::Unreadable) << "a folder in place of the file";
}

TEST(StorableText, KeepsNamesReadableBetweenQuotes) {
    struct Case {
        const char* name;
        std::string typed, stored;
    };
    const Case cases[] = {
        {"double quote", "a\"b\"", "a\u201Db\u201D"},
        {"controls", std::string("a\tb\x01\x7F") + '\0' + "c\u0085\u2028d\x1F\u009F\u2029", "abcd"},
        {"beside the controls", " ~\u00A0\u2027\u202A", " ~\u00A0\u2027\u202A"},
        {"not UTF-8", "a\xC3(\xFF", "a\uFFFD(\uFFFD"},
        {"overlong and surrogate", "\xC0\xAF\xED\xA0\x80", repeat("\uFFFD", 5)},
        {"the least of three and four bytes; four bytes last", "\u0800\U00010000a\U0001F600",
         "\u0800\U00010000a\U0001F600"},
        {"10 000 wide letters cut whole", repeat("名", 10000), repeat("名", MaxRecordTextChars)},
    };
    for (const Case& c : cases) EXPECT_EQ(storableText(c.typed), c.stored) << c.name;
}

// Files of the longest names (four bytes a letter) stay within the read limit.
TEST_F(RecordsFile, TheLongestNamesStayWithinTheReadLimit) {
    Records records;
    for (auto& name : records.names) name = repeat("\U0001F600", 10000);
    for (auto& score : records.scores) score = {records.names[0], true};
    records.comboHolder = records.pointsHolder = records.names[0];
    ASSERT_EQ(saveRecordsFile(path, records, RecordsStatus::Ok).error, "");
    EXPECT_LE(std::filesystem::file_size(path), MaxRecordsFileBytes);
    EXPECT_EQ(readRecordsFile(path).status, RecordsStatus::Ok);
}

// Every file not read cleanly (or made meanwhile by another copy of the game, where none was)
// is kept under a name of its own; only a file read cleanly is simply replaced.
TEST_F(RecordsFile, KeepsEachFileNotReadCleanlyAsABackupOfItsOwn) {
    const RecordsStatus statuses[] = {RecordsStatus::Malformed, RecordsStatus::TooLarge, RecordsStatus::Unreadable,
                                      RecordsStatus::Ok, RecordsStatus::Missing};
    const std::string backups[] = {path + ".bak", path + ".bak1", path + ".bak2", "", path + ".bak3"};
    for (std::size_t i = 0; i < 5; ++i) {
        folder.write("data.dat", decimal(static_cast<std::int64_t>(i)));
        const RecordsSave saved = saveRecordsFile(path, Records{}, statuses[i]);
        EXPECT_EQ(saved.error + saved.backupPath, backups[i]) << i;
        EXPECT_EQ(folder.read("data.dat"), recordsFileText(Records{}));
    }
    EXPECT_EQ(folder.read("data.dat.bak") + folder.read("data.dat.bak1") + folder.read("data.dat.bak2") +
                  folder.read("data.dat.bak3"),
              "0124");
    EXPECT_EQ(folder.listing(), "data.dat data.dat.bak data.dat.bak1 data.dat.bak2 data.dat.bak3 ");
}

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
            for (int save = 0; save < 100000; ++save)
                saveRecordsFile(path, save % 2 == 0 ? fresh : old, RecordsStatus::Ok);
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
