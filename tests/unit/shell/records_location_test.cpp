#include "shell/records_location.h"

#include "board/form1.h"
#include "harness/scripted_platform.h"
#include "harness/temp_folder.h"
#include "shell/file_io.h"
#include "shell/records_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tumblehand {
namespace {

namespace fs = std::filesystem;

// The program folder when it is writable or no per-user folder is known; else the player's
// folder, where the shipped records are copied once and the player's own are kept after.
TEST(RecordsLocation, ChoosesTheProgramFolderOrThePlayersFolder) {
    struct Case {
        const char* name;
        bool writable, userFolder;
        const char *shipped, *players, *playersAfter;  // shipped "/": a folder named data.dat
    };
    const Case cases[] = {
        {"writable program folder", true, true, "SHIP", "", ""},
        {"read-only, the shipped records copied", false, true, "SHIP", "", "SHIP"},
        {"read-only, the player's records kept", false, true, "SHIP", "MINE", "MINE"},
        {"read-only, shipping a folder named data.dat", false, true, "/", "", ""},
        {"read-only, no per-user folder", false, false, "SHIP", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder program;
        TempFolder data;
        if (std::string(c.shipped) == "/") fs::create_directory(program.file("data.dat"));
        if (std::string(c.shipped) == "SHIP") program.write("data.dat", c.shipped);
        if (*c.players) {
            fs::create_directories(data.file("share/tumblehand"));
            data.write("share/tumblehand/data.dat", c.players);
        }
        const std::string user = c.userFolder ? data.file("share") : std::string();
        const std::string path = recordsPathFor(program.path() + "/", c.writable, user);
        if (c.writable || !c.userFolder) {
            EXPECT_EQ(path, program.file("data.dat"));
            EXPECT_EQ(data.listing(), "") << "no per-user folder is made when unused";
        } else {
            EXPECT_EQ(path, data.file("share/tumblehand/data.dat"));
            EXPECT_EQ(data.listing("share/tumblehand"), *c.playersAfter ? "data.dat " : "");
            EXPECT_EQ(data.read("share/tumblehand/data.dat"), c.playersAfter);
        }
        EXPECT_EQ(program.listing(), *c.shipped ? "data.dat " : "") << "choosing writes nothing there";
        if (*c.shipped == 'S') {
            EXPECT_EQ(program.read("data.dat"), "SHIP");
        }
    }
}

// The records' place is settled when the game opens: START looks for nothing and makes no
// folder. A save that fails there looks again and saves where the records can now live.
TEST(RecordsLocation, IsSettledAtOpeningAndLookedForAgainWhenASaveFails) {
    TempFolder program, data;
    ScriptedPlatform platform(program.file("game"));
    platform.dataFolder = data.path();
    fs::create_directory(platform.folder);
    Form1 form(platform);
    form.Form_Load();
    EXPECT_EQ(form.recordsFile(), platform.folder + "/data.dat");
    fs::remove(platform.folder);  // throws where the probe left a file
    form.Start_Click();
    EXPECT_EQ(data.listing(), "");
    form.Score.Caption = "500";
    platform.answers = {"Ay"};
    form.GAMEOVER();
    const auto told = std::count_if(platform.events.begin(), platform.events.end(),
                                    [](const PlatformEvent& e) { return e.kind == PlatformEvent::Kind::MsgBox; });
    EXPECT_EQ(told, 1) << "only GAMEOVER was told";
    EXPECT_EQ(readRecordsFile(data.file("tumblehand/data.dat")).records.names[0], "Ay");
}

// Temporary files go when no living copy owns them: the process in the name is gone and no
// one holds the file's lock. Names without a process id go only when the caller says so.
TEST(RecordsLocation, LeftTemporariesGoWhenNoLivingCopyOwnsThem) {
    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string dead = std::to_string(gone), alive = std::to_string(::getpid());
    TempFolder folder;
    const auto names = [&] {
        std::set<std::string> all;
        for (const auto& entry : fs::directory_iterator(folder.path())) all.insert(entry.path().filename().string());
        return all;
    };
    const std::string deadOnes = "data.dat.tmp." + dead + ".aaaaaa", ours = "data.dat.tmp." + alive + ".bbbbbb",
                      nameless = "data.dat.tmp.cccccc", locked = "data.dat.tmp." + dead + ".locked",
                      other = "x.tmp." + dead + ".dddddd", moved = "data.dat.tmp." + dead + ".mine00",
                      init = "data.dat.tmp.1.eeeeee";  // a one-digit process id, always running
    for (const std::string& name : {deadOnes, ours, nameless, locked, other, init}) folder.write(name, "x");
    // A copy in another pid namespace, alive, holding its file's lock.
    const int lockedFd = ::open(folder.file(locked).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(lockedFd, LOCK_EX), 0);
    TemporaryFile mine = createTemporaryBeside(folder.file("data.dat"));
    ASSERT_GE(mine.fd, 0);
    ::close(mine.fd);
    const std::string mineName = fs::path(mine.path).filename().string();
    removeLeftTemporaries(folder.path(), "data.dat", false);
    EXPECT_EQ(names(), (std::set<std::string>{mineName, ours, nameless, locked, other, init}));
    // Moved under a gone process's name, our own file is still held by its lock, until let go.
    fs::rename(mine.path, folder.file(moved));
    removeLeftTemporaries(folder.path(), "data.dat", true);
    EXPECT_EQ(names(), (std::set<std::string>{moved, ours, locked, other, init}));
    mine.release();
    ::close(lockedFd);
    removeLeftTemporaries(folder.path(), "data.dat", true);
    EXPECT_EQ(names(), (std::set<std::string>{ours, other, init}));
}

}  // namespace
}  // namespace tumblehand
