#include <gtest/gtest.h>

#include "board/form1.h"
#include "board/numbers.h"
#include "shell/records_file.h"
#include "tests/unit/shell/temp_folder.h"
#include "tools/fake/fake_platform.h"

namespace tumblehand {
namespace {

Records sample(const ScoreField& best = {"1000", true}) {
    Records records;
    records.bestCombo = 7;
    records.comboHolder = "AB";
    records.bestPoints = 900;
    records.pointsHolder = "CD";
    for (std::size_t i = 0; i < 10; ++i) {
        records.scores[i] = {decimal(1000 - 100 * static_cast<std::int64_t>(i)), false};
        records.names[i] = "N" + decimal(static_cast<std::int64_t>(i));
    }
    records.scores[0] = best;
    return records;
}

TEST(RecordsWindow, StartsAsDesigned) {
    const Form3 window;
    struct Case { const Label& label; int left; int top; Rgb color; const char* caption; };
    const Case cases[] = {
        {window.Label1[0], 240, 480, 0xFF0000, "Label"},   {window.Score[0], 2280, 480, 0xFF0000, "0"},
        {window.Label1[1], 240, 840, 0xFF8000, "Label"},   {window.Score[2], 2280, 1200, 0xFFFF00, "0"},
        {window.Label1[3], 240, 1560, 0x000000, "Label"},  {window.Score[9], 2280, 3720, 0x000000, "0"},
        {window.Maxcombop, 120, 4680, 0x800080, "Label"},  {window.Maxcombon, 2160, 4680, 0xC000C0, "0"},
        {window.MaxpointsP, 120, 5520, 0x800080, "Label"}, {window.Maxpointsn, 2160, 5520, 0xC000C0, "0"},
        {window.Label2, 600, 0, 0x0000FF, "High Score"},   {window.Label3, 600, 4250, 0x0000FF, "Max Combo"},
        {window.Label6, 600, 5060, 0x0000FF, "Max Points"}, {window.Label4[9], 0, 3720, 0x000000, "10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.label.Left, c.left) << c.caption << c.top;
        EXPECT_EQ(c.label.Top, c.top) << c.caption << c.left;
        EXPECT_EQ(c.label.ForeColor, c.color) << c.caption << c.top;
        EXPECT_EQ(c.label.Caption, c.caption) << c.top;
    }
}

TEST(RecordsWindow, LoadShowsTheFileOrTheStartingFile) {
    TempFolder folder;
    Form3 missing;
    missing.Form_Load(folder.file("data.dat"));
    EXPECT_EQ(missing.Maxcombon.Caption + missing.Maxpointsn.Caption + missing.Score[4].Caption, "0combo0p0");
    EXPECT_EQ(missing.Maxcombop.Caption + missing.Label1[4].Caption, "");
    EXPECT_FALSE(folder.exists("data.dat")) << "reading never creates the file";

    ASSERT_EQ(saveRecordsFile(folder.file("data.dat"), sample(), RecordsStatus::Missing).error, "");
    Form3 window;
    window.Form_Load(folder.file("data.dat"));
    EXPECT_EQ(window.Maxcombon.Caption + window.Maxcombop.Caption, "7comboAB");
    EXPECT_EQ(window.Maxpointsn.Caption + window.MaxpointsP.Caption, "900pCD");
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(window.Label1[i].Caption, sample().names[i]);
        EXPECT_EQ(window.Score[i].Caption, sample().scores[i].text);
    }
    EXPECT_EQ(window.Score[0].ForeColor, 0xFF0000u) << "loading keeps the colours";
}

TEST(MyPath, IsTheProgramFolderWithOneTrailingSeparator) {
    struct Case { const char* folder; const char* path; };
    const Case cases[] = {{"/opt/game", "/opt/game/"}, {"/opt/game/", "/opt/game/"}, {"/opt/game//", "/opt/game/"},
                          {"/", "/"},                  {"relative", "relative/"},    {"", "./"}};
    for (const Case& c : cases) {
        FakePlatform platform(c.folder);
        EXPECT_EQ(Form1(platform).MyPath(), c.path) << c.folder;
    }
}

struct Shell : ::testing::Test {
    TempFolder folder;
    FakePlatform platform{folder.path()};
    Form1 form{platform};

    void SetUp() override { form.Form_Load(); }
    void writeFile(const ScoreField& best) {
        ASSERT_EQ(saveRecordsFile(folder.file("data.dat"), sample(best), RecordsStatus::Ok).error, "");
    }
};

TEST_F(Shell, RecordsWindowIsMadeOnFirstUseAndLoadedOnce) {
    writeFile({"1000", true});
    EXPECT_EQ(form.existingForm3(), nullptr);
    Form3& window = form.form3();
    EXPECT_EQ(form.existingForm3(), &window);
    EXPECT_EQ(window.Label1[0].Caption, "N0");
    folder.write("data.dat", "");
    EXPECT_EQ(form.form3().Label1[0].Caption, "N0") << "only the first use reads the file";
}

TEST_F(Shell, MenuCommands) {
    form.Timer1.setEnabled(true);
    form.YakuHyou_Click();
    form.Seiseki_Click();
    EXPECT_EQ(platform.handTableShown + platform.recordsShown, 2);
    ASSERT_NE(form.existingForm3(), nullptr);
    EXPECT_TRUE(form.Timer1.Enabled()) << "the windows do not pause the game";
    EXPECT_FALSE(platform.closed);
    form.Shuryo_Click();
    EXPECT_TRUE(platform.closed);

    FakePlatform other(folder.path());
    Form1(other).Ending_Click();
    ASSERT_EQ(other.events.size(), 1u) << "closing asks no question";
    EXPECT_EQ(other.events[0].kind, PlatformEvent::Kind::Close);
}

TEST_F(Shell, JokerDropNeedsABestScoreAbove500000) {
    struct Case { ScoreField best; bool arms; };
    const Case cases[] = {{{"500000", true}, false},   {{"500001", true}, true},  {{"500001", false}, true},
                          {{"", false}, false},        {{"2147483647", false}, true},
                          {{"-600000", true}, false},  {{"600000p", true}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.best.text);
        writeFile(c.best);
        FakePlatform fresh(folder.path());
        Form1 game(fresh);
        game.Form_Load();
        for (int twice = 0; twice < 2; ++twice) {  // twice is the same as once
            game.Label3_DragDrop();
            EXPECT_EQ(game.state.JokerBoost, c.arms);
            EXPECT_FALSE(game.state.PigBoost);
        }
        ASSERT_NE(game.existingForm3(), nullptr) << "the drop reads the records window";
        EXPECT_EQ(fresh.recordsShown, 0) << "without showing it";
    }
}

TEST_F(Shell, JokerDropReadsTheWindowAsItIsNotTheFile) {
    writeFile({"400000", false});
    form.form3();
    writeFile({"900000", false});
    form.Label3_DragDrop();
    EXPECT_FALSE(form.state.JokerBoost);
}

}  // namespace
}  // namespace tumblehand
