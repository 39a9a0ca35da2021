#include "harness/temp_folder.h"
#include "shell/form3.h"
#include "shell/records_file.h"
#include "tests/support/game_fixture.h"
#include "tests/support/sample_records.h"

#include <algorithm>
#include <filesystem>

namespace tumblehand {
namespace {

using Kind = PlatformEvent::Kind;

const std::string AskName = "\r\n名前を入力してください";

struct GameOver : ::testing::Test {
    TempFolder folder;
    testing::Game game{folder.path()};
    Form1& form = game.form;
    std::string path = folder.file("data.dat");

    void endGame(const Records& file, const std::string& score, std::uint8_t combo, std::int32_t points) {
        ASSERT_EQ(saveRecordsFile(path, file, RecordsStatus::Ok).error, "");
        endGame(score, combo, points);
    }
    void endGame(const std::string& score, std::uint8_t combo, std::int32_t points) {
        game.platform.events.clear();
        form.Score.Caption = score;
        form.state.BestCombo = combo;
        form.state.BestPoints = points;
        form.GAMEOVER();
    }
    // The prompts of the input boxes (their titles and default names: whole_game.scn).
    std::vector<std::string> prompts() const { return game.events(Kind::InputBox); }
    Records file() const { return readRecordsFile(path).records; }
};

TEST_F(GameOver, ShowsTheMessageThenStopsTheGameAndItsSuspension) {
    form.Timer1.setEnabled(true);
    form.StopL_Click();  // suspended, then a new game keeps the "↓"
    form.Timer2.setEnabled(true);
    form.state.DealTick = 12;
    form.state.DealPhase = 1;  // over on the second card of a deal-in
    form.MoveNum.Caption = "K";
    form.MoveCard.Face = CardFace::Heart;
    form.MoveCard.Left = 1200;
    endGame("0", 0, 0);
    EXPECT_EQ(game.events(Kind::MsgBox), std::vector<std::string>{"GAMEOVER"});
    EXPECT_EQ(game.platform.events.size(), 1u) << "a zero score in a table of zeros asks nothing";
    EXPECT_FALSE(form.Timer1.Enabled() || form.Timer2.Enabled() || form.Timer3.Enabled());
    EXPECT_EQ(form.state.DealTick + form.state.DealPhase, 0) << "Left and Right must not move a card after the end";
    EXPECT_EQ(form.MoveNum.Caption + cardTokenOf(form.MoveCard.Face, "") + decimal(form.MoveCard.Left), "BK2640");
    EXPECT_EQ(form.StopL.Caption + form.Chusi.Caption, "STOP中断");
    form.StopL_Click();
    EXPECT_FALSE(form.Timer1.Enabled()) << "resume cannot move a stale pair";
}

// The file is stored with plain line feeds, so every row also shows the rewrite.
TEST_F(GameOver, PutsTheScoreBelowEveryScoreItOnlyEquals) {
    struct Case {
        const char *name, *score;
        int place;
    };  // place 0: none
    const Case cases[] = {{"beats place 1", "10001", 1},
                          {"equals place 5, beats place 6", "6000", 6},
                          {"equals place 10: no prompt, file still rewritten", "1000", 0},
                          {"score text with a unit", "9500p", 2}};
    const Records before = testing::sampleRecords();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string lf = recordsFileText(before);
        std::erase(lf, '\r');
        folder.write("data.dat", lf);
        game.platform.answers = {"NEW"};
        endGame(c.score, before.bestCombo, before.bestPoints);
        Records expected = before;
        if (c.place == 0) {
            EXPECT_TRUE(prompts().empty());
            game.platform.answers.clear();
        } else {
            const auto i = static_cast<std::size_t>(c.place - 1);
            EXPECT_EQ(prompts(), std::vector<std::string>{decimal(c.place) + "位" + AskName});
            for (std::size_t j = 9; j > i; --j) {
                expected.scores[j] = before.scores[j - 1];
                expected.names[j] = before.names[j - 1];
            }
            expected.scores[i] = {c.score, true};
            expected.names[i] = "NEW";
        }
        EXPECT_EQ(folder.read("data.dat"), recordsFileText(expected));
    }
}

TEST_F(GameOver, KeepsAHigherBestThatAnotherCopyWroteMeanwhile) {
    Records other = testing::sampleRecords();
    other.bestCombo = 40;
    other.bestPoints = 70000;
    endGame(other, "5", 12, 60000);  // this game raised its bests above what it read at start
    EXPECT_TRUE(prompts().empty());
    EXPECT_EQ(file(), other);
}

TEST_F(GameOver, StoresNamesSoTheFileStaysReadableAndCombosUpTo255) {
    Records before = testing::sampleRecords();
    before.bestCombo = 254;
    // A bare line break is an empty name: asked again.
    game.platform.answers = {"\r\n", "a\"b\r\nc,d\t山田", std::string(10000, 'n'), "Max"};
    endGame(before, "20000", 255, 950);
    EXPECT_EQ(readRecordsFile(path).status, RecordsStatus::Ok);
    EXPECT_EQ(file().names[0] + "|" + file().names[1] + "|" + decimal(file().bestCombo), "a\u201Dbc,d山田|P1|255");
    EXPECT_EQ(file().pointsHolder, std::string(256, 'n'));
    EXPECT_EQ(form.existingForm3()->Label1[0].Caption, "a\u201Dbc,d山田");
}

// The names of an older Shift-JIS file reach the window, the prompts and the new file,
// which is UTF-8; the original is kept once, beside an earlier backup.
TEST_F(GameOver, ConvertsAShiftJisFileOnceKeepingTheOriginal) {
    const testing::ShiftJisFile old = testing::shiftJisFile();
    folder.write("data.dat", old.bytes);
    folder.write("data.dat.bak", "earlier");
    Form3 window;
    window.Form_Load(path);
    EXPECT_EQ(window.Label1[1].Caption + window.MaxpointsP.Caption, "佐藤田中");
    game.platform.answers = {"NEW"};
    endGame("10001", 7, 900);
    EXPECT_EQ(game.platform.events[1].defaultText, "山田");
    EXPECT_EQ(game.events(Kind::MsgBox).back(),
              "記録ファイルを Shift-JIS から UTF-8 に書き換え、元のファイルを残しました。\r\n" + path + ".bak1");
    EXPECT_EQ(folder.read("data.dat.bak") + "|" + folder.read("data.dat.bak1"), "earlier|" + old.bytes);
    Records expected = old.records;
    std::shift_right(expected.names.begin(), expected.names.end(), 1);
    std::shift_right(expected.scores.begin(), expected.scores.end(), 1);
    expected.names[0] = "NEW", expected.scores[0] = {"10001", true};
    EXPECT_EQ(folder.read("data.dat"), recordsFileText(expected));
    endGame("0", 7, 900);
    EXPECT_EQ(game.events(Kind::MsgBox).size(), 1u) << "converted once";
    EXPECT_EQ(folder.listing(), "data.dat data.dat.bak data.dat.bak1 data.dat.lock ");
}

// Each row leaves the game a program folder it cannot save in; the message says where,
// the game goes on, and whatever was there is kept.
TEST(GameOverSave, AFailedWriteIsReportedAndNothingIsLost) {
    TempFolder folder;
    folder.write("plain-file", "x");
    std::filesystem::create_directories(folder.file("kept/data.dat"));
    folder.write("kept/data.dat/inside", "kept");
    // The folder given to the game, and the place the message names.
    for (const auto& [programFolder, where] : {std::pair{folder.file("plain-file"), folder.file("plain-file")},
                                               std::pair{folder.file("kept"), folder.file("kept/data.dat.bak")}}) {
        SCOPED_TRACE(programFolder);
        testing::Game game(programFolder);
        game.platform.answers = {"N"};
        game.form.Score.Caption = "100";
        game.form.GAMEOVER();
        const auto messages = game.events(Kind::MsgBox);
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_NE(messages[1].find(where), std::string::npos) << messages[1];
        EXPECT_NE(game.form.existingForm3(), nullptr) << "the game goes on to the records window";
    }
    EXPECT_EQ(folder.read("plain-file") + folder.read("kept/data.dat/inside"), "xkept");
}

}  // namespace
}  // namespace tumblehand
