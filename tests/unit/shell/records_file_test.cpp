#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <random>

#include "shell/record_text.h"
#include "shell/records_file.h"
#include "tests/unit/shell/temp_folder.h"

namespace tumblehand {

void PrintTo(const ScoreField& score, std::ostream* out) {
    *out << (score.quoted ? "quoted " : "bare ") << '[' << score.text << ']';
}

namespace {

const std::string Line1 = "7,\"AB\",900,\"CD\"\r\n";
const std::string Line2 = "\"5000\",4000,\"3000\",2000,1000,900,800,700,600,\"500\"\r\n";
const std::string Line3 =
    "\"一郎\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\",\"i\",\"j\"\r\n";
const std::string Sample = Line1 + Line2 + Line3;

struct RecordsFile : ::testing::Test {
    TempFolder folder;
    std::string path = folder.file("data.dat");

    RecordsRead readText(const std::string& bytes) {
        folder.write("data.dat", bytes);
        return readRecordsFile(path);
    }
};

TEST(ScoreFieldValue, IsTheLeadingDecimalNumber) {
    struct Case { const char* text; std::int32_t value; };
    const Case cases[] = {{"1234", 1234},  {"1234p", 1234}, {"", 0},         {"abc", 0},
                          {"-3", -3},      {"007", 7},      {"12 34", 12},
                          {"99999999999", std::numeric_limits<std::int32_t>::max()}};
    for (const Case& c : cases) EXPECT_EQ((ScoreField{c.text, true}.value()), c.value) << c.text;
}

TEST_F(RecordsFile, ReadsTheThreeLines) {
    const RecordsRead read = readText(Sample);
    EXPECT_EQ(read.status, RecordsStatus::Ok);
    const Records& r = read.records;
    EXPECT_EQ(r.bestCombo, 7);
    EXPECT_EQ(r.comboHolder, "AB");
    EXPECT_EQ(r.bestPoints, 900);
    EXPECT_EQ(r.pointsHolder, "CD");
    EXPECT_EQ(r.scores[0], (ScoreField{"5000", true}));
    EXPECT_EQ(r.scores[1], (ScoreField{"4000", false}));
    EXPECT_EQ(r.scores[9], (ScoreField{"500", true}));
    EXPECT_EQ(r.names[0], "一郎");
    EXPECT_EQ(r.names[9], "j");
}

TEST_F(RecordsFile, RewritesExactlyWhatItReadKeepingQuotedAndBareScores) {
    const RecordsRead read = readText(Sample);
    EXPECT_EQ(recordsFileText(read.records), Sample);
    EXPECT_EQ(writeRecordsFile(path, read.records, read.status), "");
    EXPECT_EQ(folder.read("data.dat"), Sample);
    EXPECT_EQ(folder.listing(), "data.dat ") << "no temporary file or backup is left";
}

TEST_F(RecordsFile, AcceptsPlainLineFeeds) {
    std::string lf = Sample;
    std::erase(lf, '\r');
    const RecordsRead read = readText(lf);
    EXPECT_EQ(read.status, RecordsStatus::Ok);
    EXPECT_EQ(recordsFileText(read.records), Sample);
}

TEST_F(RecordsFile, MissingFileIsTheStartingFile) {
    const RecordsRead read = readRecordsFile(path);
    EXPECT_EQ(read.status, RecordsStatus::Missing);
    EXPECT_EQ(recordsFileText(read.records),
              "0,\"\",0,\"\"\r\n0,0,0,0,0,0,0,0,0,0\r\n\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
}

TEST_F(RecordsFile, ReadsBrokenFilesAsFarAsTheyGo) {
    struct Case {
        const char* name;
        std::string bytes;
        RecordsStatus status;
        std::function<void(const Records&)> check;
    };
    const auto max32 = std::numeric_limits<std::int32_t>::max();
    const auto min32 = std::numeric_limits<std::int32_t>::min();
    const Case cases[] = {
        {"empty", "", RecordsStatus::Malformed,
         [](const Records& r) { EXPECT_EQ(r, Records{}); }},
        {"one line", Line1, RecordsStatus::Malformed,
         [](const Records& r) {
             EXPECT_EQ(r.bestCombo, 7);
             EXPECT_EQ(r.pointsHolder, "CD");
             EXPECT_EQ(r.scores[0], ScoreField{});
             EXPECT_EQ(r.names[0], "");
         }},
        {"cut inside line 2", Line1 + "\"5000\",40", RecordsStatus::Malformed,
         [](const Records& r) {
             EXPECT_EQ(r.scores[0], (ScoreField{"5000", true}));
             EXPECT_EQ(r.scores[1], (ScoreField{"40", false}));
             EXPECT_EQ(r.scores[2], ScoreField{});
         }},
        {"cut inside a name", Line1 + Line2 + "\"一郎\",\"b", RecordsStatus::Malformed,
         [](const Records& r) {
             EXPECT_EQ(r.names[0], "一郎");
             EXPECT_EQ(r.names[1], "b");
             EXPECT_EQ(r.names[2], "");
         }},
        {"last line end missing", Line1 + Line2 + Line3.substr(0, Line3.size() - 2),
         RecordsStatus::Ok, [](const Records& r) { EXPECT_EQ(r.names[9], "j"); }},
        {"names without quotes", "7,AB,900,C D\r\n" + Line2 + "x,\"b\",,d,e,f,g,h,i,j\r\n",
         RecordsStatus::Ok,
         [](const Records& r) {
             EXPECT_EQ(r.comboHolder, "AB");
             EXPECT_EQ(r.pointsHolder, "C D");
             EXPECT_EQ(r.names[0], "x");
             EXPECT_EQ(r.names[2], "");
         }},
        {"quote never closed", "7,\"AB,900,\"CD\"\r\n" + Line2 + Line3, RecordsStatus::Malformed,
         [](const Records& r) {
             EXPECT_EQ(r.bestCombo, 7);
             EXPECT_EQ(r.comboHolder, "AB,900,");
             EXPECT_EQ(r.bestPoints, 0);
             EXPECT_EQ(r.scores[0].value(), 5000) << "later lines are still read";
         }},
        {"text after a closing quote", "7,\"AB\"x,900,\"CD\"\r\n" + Line2 + Line3,
         RecordsStatus::Malformed,
         [](const Records& r) {
             EXPECT_EQ(r.comboHolder, "AB");
             EXPECT_EQ(r.bestPoints, 900);
         }},
        {"empty score fields", Line1 + ",,,,,,,,,\r\n" + Line3, RecordsStatus::Ok,
         [](const Records& r) {
             EXPECT_EQ(r.scores[0], (ScoreField{"", false}));
             EXPECT_EQ(r.scores[9].value(), 0);
         }},
        {"numbers too large", "999,\"A\",99999999999,\"B\"\r\n99999999999" + Line2.substr(6) + Line3,
         RecordsStatus::Malformed,
         [&](const Records& r) {
             EXPECT_EQ(r.bestCombo, 255);
             EXPECT_EQ(r.bestPoints, max32);
             EXPECT_EQ(r.scores[0], (ScoreField{"2147483647", false}));
         }},
        {"numbers too small", "-5,\"A\",-99999999999,\"B\"\r\n-99999999999" + Line2.substr(6) + Line3,
         RecordsStatus::Malformed,
         [&](const Records& r) {
             EXPECT_EQ(r.bestCombo, 0);
             EXPECT_EQ(r.bestPoints, min32);
             EXPECT_EQ(r.scores[0], (ScoreField{"-2147483648", false}));
         }},
        {"limits that fit", "255,\"A\",-2147483648,\"B\"\r\n2147483647" + Line2.substr(6) + Line3,
         RecordsStatus::Ok,
         [&](const Records& r) {
             EXPECT_EQ(r.bestCombo, 255);
             EXPECT_EQ(r.bestPoints, min32);
             EXPECT_EQ(r.scores[0].value(), max32);
         }},
        {"a huge quoted score keeps its text", Line1 + "\"99999999999999\"" + Line2.substr(6) + Line3,
         RecordsStatus::Ok,
         [&](const Records& r) {
             EXPECT_EQ(r.scores[0].text, "99999999999999");
             EXPECT_EQ(r.scores[0].value(), max32);
         }},
        {"a word where a number belongs", "x,\"A\",12p,\"B\"\r\nabc" + Line2.substr(6) + Line3,
         RecordsStatus::Malformed,
         [](const Records& r) {
             EXPECT_EQ(r.bestCombo, 0);
             EXPECT_EQ(r.bestPoints, 12);
             EXPECT_EQ(r.scores[0], (ScoreField{"0", false}));
         }},
        {"control characters in a name", "7,\"A\tB\x01\",900,\"CD\"\r\n" + Line2 + Line3,
         RecordsStatus::Malformed, [](const Records& r) { EXPECT_EQ(r.comboHolder, "AB"); }},
        {"bytes that are not UTF-8", "7,\"A\xFF\",900,\"CD\"\r\n" + Line2 + Line3,
         RecordsStatus::Malformed, [](const Records& r) { EXPECT_EQ(r.comboHolder, "A\uFFFD"); }},
        {"a fourth line", Sample + "junk\r\n", RecordsStatus::Malformed,
         [](const Records& r) { EXPECT_EQ(r.names[9], "j"); }},
        {"extra fields", Line1 + Line2.substr(0, Line2.size() - 2) + ",1\r\n" + Line3,
         RecordsStatus::Malformed, [](const Records& r) { EXPECT_EQ(r.scores[9].value(), 500); }},
        {"blank lines at the end", Sample + "\r\n\r\n", RecordsStatus::Ok,
         [](const Records& r) { EXPECT_EQ(r.names[9], "j"); }},
        {"byte order mark", "\xEF\xBB\xBF" + Sample, RecordsStatus::Ok,
         [](const Records& r) { EXPECT_EQ(r.bestCombo, 7); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RecordsRead read = readText(c.bytes);
        EXPECT_EQ(read.status, c.status);
        c.check(read.records);
        // Whatever was read, the file written from it reads back the same, completely.
        ASSERT_EQ(writeRecordsFile(path, read.records, RecordsStatus::Ok), "");
        const RecordsRead again = readRecordsFile(path);
        EXPECT_EQ(again.status, RecordsStatus::Ok);
        EXPECT_EQ(again.records, read.records);
    }
}

TEST_F(RecordsFile, BinaryFilesReadAsFarAsTheyGoAndRewriteCleanly) {
    std::mt19937 generator(7);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(20000, '\0');
        for (char& b : bytes) b = static_cast<char>(generator());
        // Some commas, quotes and line ends give the reader fields to work on.
        for (std::size_t i = 0; i < bytes.size(); i += 1 + generator() % 50) {
            bytes[i] = ",\"\n"[generator() % 3];
        }
        const RecordsRead read = readText(bytes);
        EXPECT_EQ(read.status, RecordsStatus::Malformed);
        ASSERT_EQ(writeRecordsFile(path, read.records, RecordsStatus::Ok), "");
        const RecordsRead again = readRecordsFile(path);
        EXPECT_EQ(again.status, RecordsStatus::Ok) << round;
        EXPECT_EQ(again.records, read.records) << round;
    }
}

TEST_F(RecordsFile, RefusesFilesBeyondTheSizeLimitAndLeavesThem) {
    struct Case { const char* name; std::uintmax_t size; bool binary; };
    const Case cases[] = {{"just over the limit", MaxRecordsFileBytes + 1, false},
                          {"1 MB of binary", 1000000, true},
                          {"50 MB", 50u * 1000 * 1000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.binary) {
            std::mt19937 generator(3);
            std::string bytes(c.size, '\0');
            for (char& b : bytes) b = static_cast<char>(generator());
            folder.write("data.dat", bytes);
        } else {
            folder.write("data.dat", Sample);
            std::filesystem::resize_file(path, c.size);  // sparse: quick to make
        }
        const RecordsRead read = readRecordsFile(path);
        EXPECT_EQ(read.status, RecordsStatus::TooLarge);
        EXPECT_EQ(read.records, Records{});
        EXPECT_EQ(std::filesystem::file_size(path), c.size);
    }
    folder.write("data.dat", Sample);
    std::filesystem::resize_file(path, MaxRecordsFileBytes);
    EXPECT_EQ(readRecordsFile(path).status, RecordsStatus::Malformed) << "the limit itself is read";
}

TEST_F(RecordsFile, AFolderInPlaceOfTheFileIsUnreadable) {
    std::filesystem::create_directory(path);
    EXPECT_EQ(readRecordsFile(path).status, RecordsStatus::Unreadable);
}

TEST(StorableText, KeepsNamesReadableBetweenQuotes) {
    struct Case { const char* name; std::string typed; std::string stored; };
    const Case cases[] = {
        {"plain", "AB", "AB"},
        {"Japanese", "山田　太郎", "山田　太郎"},
        {"double quote", "a\"b\"", "a\u201Db\u201D"},
        {"comma", "a,b", "a,b"},
        {"line breaks", "a\r\nb\nc\rd", "abcd"},
        {"controls", std::string("a\tb\x01\x7F") + '\0' + "c\u0085\u2028d", "abcd"},
        {"not UTF-8", "a\xC3(\xFF", "a\uFFFD(\uFFFD"},
        {"overlong and surrogate", "\xC0\xAF\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"spaces kept", " a ", " a "},
        {"only controls", "\r\n\t", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(storableText(c.typed), c.stored) << c.name;
}

TEST(StorableText, CutsVeryLongNamesAtWholeCharacters) {
    std::string latin(10000, 'x');
    EXPECT_EQ(storableText(latin), std::string(MaxRecordTextChars, 'x'));
    std::string japanese;
    for (int i = 0; i < 10000; ++i) japanese += "名";
    std::string kept;
    for (std::size_t i = 0; i < MaxRecordTextChars; ++i) kept += "名";
    EXPECT_EQ(storableText(japanese), kept);
}

TEST_F(RecordsFile, NamesOfEveryKindComeBackAsStored) {
    const std::string typed[] = {"a\"b",       "a,b",   "x\r\ny", "tab\there",
                                 "山田　太郎", "\x01z", std::string(10000, 'n'),
                                 "\"\",\"",    "end,",  std::string(3000, '\x7F') + "k"};
    Records records;
    for (std::size_t i = 0; i < 10; ++i) records.names[i] = typed[i];
    records.comboHolder = "q\"uote";
    records.pointsHolder = "line\nbreak";
    ASSERT_EQ(writeRecordsFile(path, records, RecordsStatus::Missing), "");
    const RecordsRead read = readRecordsFile(path);
    EXPECT_EQ(read.status, RecordsStatus::Ok);
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(read.records.names[i], storableText(typed[i])) << i;
    EXPECT_EQ(read.records.comboHolder, "q\u201Duote");
    EXPECT_EQ(read.records.pointsHolder, "linebreak");
    EXPECT_EQ(read.records.names[2], "xy");
}

TEST_F(RecordsFile, FilesOfTheLongestNamesStayWithinTheReadLimit) {
    Records records;
    std::string longest;
    for (int i = 0; i < 10000; ++i) longest += "\U0001F600";  // four bytes each
    records.comboHolder = records.pointsHolder = longest;
    for (auto& name : records.names) name = longest;
    for (auto& score : records.scores) score = {longest, true};
    ASSERT_EQ(writeRecordsFile(path, records, RecordsStatus::Ok), "");
    EXPECT_LE(std::filesystem::file_size(path), MaxRecordsFileBytes);
    EXPECT_EQ(readRecordsFile(path).status, RecordsStatus::Ok);
}

TEST_F(RecordsFile, KeepsAFileThatWasNotReadCleanlyBeforeReplacingIt) {
    struct Case { RecordsStatus status; bool keeps; };
    const Case cases[] = {{RecordsStatus::Ok, false},
                          {RecordsStatus::Missing, true},  // another copy created it meanwhile
                          {RecordsStatus::Malformed, true},
                          {RecordsStatus::TooLarge, true},
                          {RecordsStatus::Unreadable, true}};
    for (const Case& c : cases) {
        TempFolder fresh;
        const std::string file = fresh.file("data.dat");
        fresh.write("data.dat", "old");
        const RecordsSave saved = saveRecordsFile(file, Records{}, c.status);
        EXPECT_EQ(saved.error, "");
        EXPECT_EQ(fresh.read("data.dat"), recordsFileText(Records{}));
        if (c.keeps) {
            EXPECT_EQ(saved.backupPath, file + ".bak");
            EXPECT_EQ(fresh.read("data.dat.bak"), "old");
        } else {
            EXPECT_EQ(saved.backupPath, "");
            EXPECT_EQ(fresh.listing(), "data.dat ");
        }
    }
}

TEST_F(RecordsFile, NeverOverwritesAnEarlierBackup) {
    for (const char* content : {"first", "second", "third"}) {
        folder.write("data.dat", content);
        ASSERT_EQ(writeRecordsFile(path, Records{}, RecordsStatus::Malformed), "");
    }
    EXPECT_EQ(folder.read("data.dat.bak"), "first");
    EXPECT_EQ(folder.read("data.dat.bak1"), "second");
    EXPECT_EQ(folder.read("data.dat.bak2"), "third");
    EXPECT_EQ(folder.listing(), "data.dat data.dat.bak data.dat.bak1 data.dat.bak2 ");
}

TEST_F(RecordsFile, NothingIsWrittenWithoutMakingTheBackup) {
    // A folder named data.dat can be neither linked nor copied.
    std::filesystem::create_directory(path);
    folder.write("data.dat/inside", "kept");
    const std::string error = writeRecordsFile(path, Records{}, RecordsStatus::Unreadable);
    EXPECT_NE(error.find(path + ".bak"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(folder.read("data.dat/inside"), "kept");
}

TEST(RecordsFileWrite, ReportsWhatFailedAndWhere) {
    TempFolder folder;
    folder.write("plain-file", "not a folder");
    struct Case { const char* name; std::string programFolder; };
    const Case cases[] = {{"folder is a file", folder.file("plain-file")},
                          {"folder does not exist", folder.file("gone")}};
    for (const Case& c : cases) {
        const std::string error =
            writeRecordsFile(c.programFolder + "/data.dat", Records{}, RecordsStatus::Missing);
        EXPECT_NE(error, "") << c.name;
        EXPECT_NE(error.find(c.programFolder), std::string::npos) << error;
        EXPECT_NE(error.find("temporary file"), std::string::npos) << error;
    }
    EXPECT_EQ(folder.read("plain-file"), "not a folder");
    EXPECT_EQ(folder.listing(), "plain-file ");
}

}  // namespace
}  // namespace tumblehand
