#include "board/form1.h"
#include "harness/scripted_platform.h"
#include "harness/temp_folder.h"
#include "shell/records_entries.h"
#include "shell/records_lock.h"
#include "tests/support/sample_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
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

using AtWait = std::function<void(ScriptedPlatform&, const std::function<bool()>& ready)>;

// Plays the game over of one copy of the game; atWait runs when the save waits for another copy.
void gameOver(const std::string& folder, const Player& player, const AtWait& atWait) {
    struct Platform : ScriptedPlatform {
        using ScriptedPlatform::ScriptedPlatform;
        AtWait atWait;
        bool waitUntil(std::string_view text, std::string_view title, const std::function<bool()>& ready) override {
            if (atWait) atWait(*this, ready);
            return ScriptedPlatform::waitUntil(text, title, ready);
        }
    } platform(folder);
    platform.atWait = atWait;
    platform.answers = {player.name, player.name};
    Form1 form(platform);
    form.Form_Load();
    form.Score.Caption = player.score;
    form.state.BestCombo = 7;
    form.state.BestPoints = player.points;
    form.GAMEOVER();
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

// Another copy holds the lock through this game over (a child process: the kernel's lock is
// per process). Waiting, the save follows the other copy's and keeps both records; giving up,
// it saves at once without the lock; where there is no lock to have, nothing waits.
TEST(TwoCopies, ASaveWaitsForAnotherCopysLockOrGivesUp) {
    // 0: the other copy saves, then lets go; 1: the player gives up; 2, 3: a folder in the
    // lock file's place opens for reading only and still locks; a link to nowhere locks nothing.
    for (int how = 0; how < 4; ++how) {
        SCOPED_TRACE(how);
        TempFolder folder;
        const std::string path = folder.file("data.dat");
        if (how == 2) std::filesystem::create_directory(path + ".lock");
        if (how == 3) std::filesystem::create_symlink("missing/x", path + ".lock");
        int held[2], go[2];
        ASSERT_EQ(::pipe(held), 0);
        ASSERT_EQ(::pipe(go), 0);
        const pid_t other = ::fork();
        if (other == 0) {
            RecordsLock lock(path);
            char byte = lock.busy() ? 'b' : 'h';
            if (::write(held[1], &byte, 1) != 1 || ::read(go[0], &byte, 1) != 1) ::_exit(2);
            if (byte == 's') {
                const RecordsSave saved = saveRecordsEntries(lock, {TopTenEntry{{"15000", true}, "Bee"}, {}, {}});
                ::_exit(saved.error.empty() ? 0 : 1);
            }
            ::_exit(0);
        }
        char byte = 0;
        ASSERT_EQ(::read(held[0], &byte, 1), 1);
        ASSERT_EQ(byte, 'h');
        int waits = 0;
        bool readyWhileHeld = false, sent = false;
        gameOver(folder.path(), {"Ay", "20000", 0},
                 [&](ScriptedPlatform& platform, const std::function<bool()>& ready) {
                     ++waits;
                     readyWhileHeld = ready();
                     platform.waitAnswers = {how == 0};
                     if (how == 0) sent = ::write(go[1], "s", 1) == 1;
                 });
        if (!sent) {
            EXPECT_EQ(::write(go[1], "x", 1), 1);
        }
        int status = -1;
        ::waitpid(other, &status, 0);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(waits, how < 3 ? 1 : 0) << "whether the game over waited";
        EXPECT_FALSE(readyWhileHeld);
        const Records file = readRecordsFile(path).records;
        EXPECT_EQ(file.names[0] + file.names[1], how == 0 ? "AyBee" : "Ay");
        for (int fd : {held[0], held[1], go[0], go[1]}) ::close(fd);
    }
}

}  // namespace
}  // namespace tumblehand
