#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "board/form1.h"
#include "board/numbers.h"
#include "shell/records_file.h"
#include "shell/records_location.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"

namespace tumblehand {
namespace {

namespace fs = std::filesystem;
using testing::ReadOnlyFolder;
using testing::TempFolder;

// A table whose best score over 500000 lets the joker drop tell which file was read.
Records table(const std::string& name, std::uint8_t combo, std::int32_t points, const std::string& best) {
    Records records;
    records.bestCombo = combo;
    records.bestPoints = points;
    records.comboHolder = records.pointsHolder = records.names[0] = name;
    records.scores[0] = {best, true};
    return records;
}
const Records Shipped = table("SHIP", 4, 700, "600000");

TEST(RecordsLocation, CanCreateFileInTriesAndCleansUp) {
    TempFolder folder;
    TempFolder locked;
    folder.write("file", "x");
    const ReadOnlyFolder readOnly(locked.path());
    struct Case {
        std::string folder;
        bool expected;
    };
    const Case cases[] = {{folder.path() + "/", true}, {folder.file("missing"), false}, {folder.file("file"), false}};
    for (const Case& c : cases) EXPECT_EQ(canCreateFileIn(c.folder), c.expected) << c.folder;
    EXPECT_EQ(folder.listing(), "file ") << "the trial file is removed";
    EXPECT_EQ(canCreateFileIn(locked.path()), !readOnly.works());
}

TEST(RecordsLocation, ChoosesTheProgramFolderOrThePlayersFolder) {
    struct Case {
        const char* name;
        bool writable;
        bool userFolder;
        bool shipsAFolder;
        bool beside;
    };
    const Case cases[] = {
        {"writable program folder", true, true, false, true},
        {"read-only program folder", false, true, false, false},
        {"read-only, shipping a folder named data.dat", false, true, true, false},
        {"read-only, no per-user folder", false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder program;
        TempFolder data;
        if (c.shipsAFolder) fs::create_directory(program.file("data.dat"));
        const std::string user = c.userFolder ? data.file("share") : std::string();
        const std::string path = recordsPathFor(program.path() + "/", c.writable, user);
        if (c.beside) {
            EXPECT_EQ(path, program.file("data.dat"));
            EXPECT_EQ(data.listing(), "") << "no per-user folder is made when unused";
        } else {
            EXPECT_EQ(path, data.file("share/tumblehand/data.dat"));
            EXPECT_EQ(data.listing("share/tumblehand"), "") << "made when needed; only a file is copied";
        }
        EXPECT_EQ(program.listing(), c.shipsAFolder ? "data.dat " : "") << "choosing writes nothing";
    }
}

// The whole game: START, GAMEOVER and the records window use one file.
struct InstalledGame : ::testing::Test {
    TempFolder program;
    TempFolder data;
    FakePlatform platform;
    std::optional<Form1> form;

    void start(const std::string& programFolder) {
        platform.folder = programFolder;
        platform.dataFolder = data.path();
        platform.answers = {"ME", "ME", "ME"};
        form.emplace(platform);
        form->Form_Load();
        form->Label3_DragDrop();  // reads the records window: a best over 500000 arms the joker
        form->Start_Click();
    }
    void endGame(const std::string& score, std::uint8_t combo, std::int32_t points) {
        form->Score.Caption = score;
        form->state.BestCombo = combo;
        form->state.BestPoints = points;
        form->GAMEOVER();
    }
};

TEST_F(InstalledGame, ReadOnlyProgramFolderStartsFromTheShippedRecordsThenKeepsThePlayers) {
    program.write("data.dat", recordsFileText(Shipped));
    const ReadOnlyFolder readOnly(program.path());
    if (!readOnly.works()) GTEST_SKIP() << "no way to make a read-only folder here";

    start(program.path());
    EXPECT_EQ(form->state.JokerWeight, 100) << "the records window read the copy";
    EXPECT_EQ(form->state.BestPoints + form->state.BestCombo, 704);
    endGame("1200", 9, 4321);
    EXPECT_EQ(program.read("data.dat"), recordsFileText(Shipped)) << "the shipped file is never written";
    const Records saved = readRecordsFile(data.file("tumblehand/data.dat")).records;
    EXPECT_EQ(saved.bestPoints, 4321);
    EXPECT_EQ(saved.scores[0].text + saved.scores[1].text, "6000001200");
    EXPECT_EQ(form->form3().Maxpointsn.Caption, "4321p");

    // The next run of the game finds the player's records, not the shipped ones.
    start(program.path());
    EXPECT_EQ(
        decimal(form->state.BestPoints) + " " + decimal(form->state.BestCombo) + " " + form->form3().Label1[1].Caption,
        "4321 9 ME");
}

}  // namespace
}  // namespace tumblehand
