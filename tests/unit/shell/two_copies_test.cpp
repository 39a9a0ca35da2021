#include "board/form1.h"
#include "harness/scripted_platform.h"
#include "harness/temp_folder.h"
#include "shell/records_entries.h"
#include "shell/records_lock.h"
#include "tests/support/sample_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include <sys/wait.h>
#include <unistd.h>

namespace tumblehand {
namespace {

// A player: the score of the game, its best points, and the name given at every prompt.
struct Player {
    std::string name, score;
    std::int32_t points;
};

// Plays the game over of one copy of the game; atFirstPrompt runs while the player
// sits at the first name prompt.
void gameOver(const std::string& folder, const Player& player, const std::function<void()>& atFirstPrompt = {}) {
    struct Platform : ScriptedPlatform {
        using ScriptedPlatform::ScriptedPlatform;
        std::function<void()> atPrompt;
        std::string inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) override {
            if (atPrompt) std::exchange(atPrompt, {})();
            return ScriptedPlatform::inputBox(prompt, title, defaultText);
        }
    } platform(folder);
    platform.atPrompt = atFirstPrompt;
    platform.answers = {player.name, player.name};
    Form1 form(platform);
    form.Form_Load();
    form.Score.Caption = player.score;
    form.state.BestCombo = 7;
    form.state.BestPoints = player.points;
    form.GAMEOVER();
}

// The exit status of a child process that ran body: 0 when it returned.
int inChild(const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            body();
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return status;
}

// Two copies of the game end their games at once: the one at its prompt saves after the
// other one has saved. Whichever saves first, both games' records stay.
TEST(TwoCopies, KeepEachOthersRecordsWhicheverSavesFirst) {
    const Player ay{"Ay", "20000", 60000}, bee{"Bee", "15000", 70000};
    for (const auto& [waiting, saving] : {std::pair{ay, bee}, std::pair{bee, ay}}) {
        SCOPED_TRACE(waiting.name + " waits");
        TempFolder folder;
        ASSERT_EQ(saveRecordsFile(folder.file("data.dat"), testing::sampleRecords(), RecordsStatus::Ok).error, "");
        gameOver(folder.path(), waiting, [&] { EXPECT_EQ(inChild([&] { gameOver(folder.path(), saving); }), 0); });
        const Records file = readRecordsFile(folder.file("data.dat")).records;
        EXPECT_EQ(file.names[0] + file.names[1] + file.names[2] + file.pointsHolder, "AyBeeP1Bee");
        EXPECT_EQ(file.scores[1].text + decimal(file.bestPoints), "1500070000");
    }
}

// The table as another copy left it decides: a best it equals stays with its holder, and
// a score that no longer makes a place is dropped.
TEST(TwoCopies, EntriesGoIntoTheTableAsItIsAtTheSave) {
    const Records table = testing::sampleRecords();  // 10000 .. 1000, bests 7 (AB) and 900 (CD)
    const auto entries = [](const char* score, std::int32_t points, std::uint8_t combo) {
        return RecordsEntries{TopTenEntry{{score, true}, "X"}, HeldRecord<std::int32_t>{points, "X"},
                              HeldRecord<std::uint8_t>{combo, "X"}};
    };
    Records beaten = table;
    beaten.bestPoints = 901, beaten.bestCombo = 8, beaten.pointsHolder = beaten.comboHolder = "X";
    beaten.scores[9] = {"1001", true}, beaten.names[9] = "X";
    EXPECT_EQ(withEntries(table, entries("1000", 900, 7)), table);
    EXPECT_EQ(withEntries(table, entries("1001", 901, 8)), beaten);
}

// True once the process waits for a lock (the kernel lists such waits with "->").
bool waitsForALock(pid_t process) {
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);)
        if (line.find("->") != std::string::npos && line.find(" " + std::to_string(process) + " ") != std::string::npos)
            return true;
    return false;
}

// One copy holds the lock and saves; another that saves meanwhile waits for it, reads the
// file after that save, and keeps its records. Where no lock can be had, it saves all
// the same, telling nothing.
TEST(TwoCopies, ASaveWaitsForTheLockAndReadsTheFileAfterIt) {
    // 0: the save makes the lock file; 1: a folder in its place opens for reading only;
    // 2: a link to nowhere, so that no lock can be had.
    for (int where = 0; where < 3; ++where) {
        SCOPED_TRACE(where);
        TempFolder folder;
        const std::string path = folder.file("data.dat");
        if (where == 1) std::filesystem::create_directory(path + ".lock");
        if (where == 2) std::filesystem::create_symlink("missing/x", path + ".lock");
        // The lock is taken after the fork, so that the saving copy has no share in it.
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            char byte = 0;
            if (::read(go[0], &byte, 1) != 1) ::_exit(2);
            const RecordsSave saved = saveRecordsEntries(path, {TopTenEntry{{"15000", true}, "Bee"}, {}, {}});
            ::_exit(saved.error.empty() && saved.backupPath.empty() ? 0 : 1);
        }
        std::optional<RecordsLock> held(path);
        ASSERT_EQ(::write(go[1], "g", 1), 1);
        int status = 0;
        bool saved = false;
        while (!waitsForALock(child) && !(saved = ::waitpid(child, &status, WNOHANG) == child)) ::usleep(1000);
        EXPECT_EQ(saved, where == 2) << "whether the save waited for the lock";
        // The copy holding the lock saves its own record, then lets go.
        const RecordsRead now = readRecordsFile(path);
        const Records ay = withEntries(now.records, {TopTenEntry{{"20000", true}, "Ay"}, {}, {}});
        ASSERT_EQ(saveRecordsFile(path, ay, now.status).error, "");
        held.reset();
        if (!saved) ::waitpid(child, &status, 0);
        EXPECT_EQ(status, 0);
        ::close(go[0]), ::close(go[1]);
        const Records file = readRecordsFile(path).records;
        EXPECT_EQ(file.names[0] + file.names[1], "AyBee");
    }
}

}  // namespace
}  // namespace tumblehand
