#include "shell/records_location.h"

#include "harness/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

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

// The probe leaves nothing behind; a folder that is not there takes no file.
TEST(RecordsLocation, ProbesAFolderWithoutLeavingAFile) {
    TempFolder folder;
    EXPECT_TRUE(canCreateFileIn(folder.path()));
    EXPECT_EQ(folder.listing(), "");
    EXPECT_FALSE(canCreateFileIn(folder.file("missing")));
}

}  // namespace
}  // namespace tumblehand
