#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "board/form1.h"
#include "board/numbers.h"
#include "shell/records_file.h"
#include "tests/support/temp_folder.h"
#include "tests/support/fake_platform.h"
#include "tests/support/sample_records.h"

namespace tumblehand {
namespace {

using Kind = PlatformEvent::Kind;

const std::string AskName = "\r\n名前を入力してください";

using testing::ReadOnlyFolder;
using testing::TempFolder;

Records tenPlaces() { return testing::sampleRecords(); }

std::vector<PlatformEvent> eventsOf(const FakePlatform& platform, Kind kind) {
    std::vector<PlatformEvent> found;
    for (const PlatformEvent& e : platform.events) {
        if (e.kind == kind) found.push_back(e);
    }
    return found;
}

struct GameOver : ::testing::Test {
    TempFolder folder;
    FakePlatform platform{folder.path()};
    Form1 form{platform};
    std::string path = folder.file("data.dat");

    void SetUp() override { form.Form_Load(); }

    void endGame(const Records& file, const std::string& score, std::uint8_t combo, std::int32_t points) {
        ASSERT_EQ(writeRecordsFile(path, file, RecordsStatus::Ok), "");
        endGame(score, combo, points);
    }
    void endGame(const std::string& score, std::uint8_t combo, std::int32_t points) {
        platform.events.clear();
        form.Score.Caption = score;
        form.state.BestCombo = combo;
        form.state.BestPoints = points;
        form.GAMEOVER();
    }
    std::vector<PlatformEvent> prompts() const { return eventsOf(platform, Kind::InputBox); }
    Records file() const { return readRecordsFile(path).records; }
};

TEST_F(GameOver, ShowsTheMessageThenStopsTheGame) {
    form.Timer1.setEnabled(true);
    form.Timer2.setEnabled(true);
    form.state.DealTick = 12;
    form.state.DealPhase = 1;  // over on the second card of a deal-in
    form.MoveNum.Caption = "K";
    form.MoveCard.Face = CardFace::Heart;
    form.MoveCard.Left = 1200;
    endGame("0", 0, 0);
    ASSERT_EQ(platform.events.size(), 1u) << "a zero score in a table of zeros asks nothing";
    EXPECT_EQ(platform.events[0].kind, Kind::MsgBox);
    EXPECT_EQ(platform.events[0].text + platform.events[0].title, "GAMEOVERTumblehand");
    EXPECT_FALSE(form.Timer1.Enabled() || form.Timer2.Enabled() || form.Timer3.Enabled());
    EXPECT_EQ(form.state.DealTick, 0);
    EXPECT_EQ(form.state.DealPhase, 0) << "Left and Right must not move a card after the end";
    EXPECT_EQ(form.MoveNum.Caption, "");
    EXPECT_EQ(form.MoveCard.Face, CardFace::Back);
    EXPECT_EQ(form.MoveCard.Left, 2640);
}

// The file is stored with plain line feeds, so every row also shows the rewrite.
TEST_F(GameOver, PutsTheScoreBelowEveryScoreItOnlyEquals) {
    struct Case { const char* name; const char* score; int place; };  // place 0: none
    const Case cases[] = {{"beats place 1", "10001", 1},
                          {"equals place 5, beats place 6", "6000", 6},
                          {"equals place 10: no prompt, file still rewritten", "1000", 0},
                          {"score text with a unit", "9500p", 2}};
    const Records before = tenPlaces();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string lf = recordsFileText(before);
        std::erase(lf, '\r');
        folder.write("data.dat", lf);
        platform.answers = {"NEW"};
        endGame(c.score, before.bestCombo, before.bestPoints);

        Records expected = before;
        if (c.place == 0) {
            EXPECT_TRUE(prompts().empty());
            platform.answers.clear();
        } else {
            const auto i = static_cast<std::size_t>(c.place - 1);
            ASSERT_EQ(prompts().size(), 1u);
            EXPECT_EQ(prompts()[0].text, decimal(c.place) + "位" + AskName);
            EXPECT_EQ(prompts()[0].title, "Tumblehand(ハイスコア)");
            EXPECT_EQ(prompts()[0].defaultText, before.names[i]);
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

TEST_F(GameOver, AsksForTopTenThenPointsThenCombo) {
    platform.answers = {"T", "P", "C"};
    endGame(tenPlaces(), "12345", 9, 1234);
    const auto asked = prompts();
    ASSERT_EQ(asked.size(), 3u);
    const std::string expected[][3] = {{"1位" + AskName, "Tumblehand(ハイスコア)", "P1"},
                                       {"最高記録1234points" + AskName, "Tumblehand(最高記録)", "CD"},
                                       {"最高記録9combo" + AskName, "Tumblehand(最高記録)", "AB"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(asked[i].text, expected[i][0]);
        EXPECT_EQ(asked[i].title, expected[i][1]);
        EXPECT_EQ(asked[i].defaultText, expected[i][2]);
    }
    EXPECT_EQ(platform.events.front().text, "GAMEOVER") << "the message comes before the prompts";
    const std::string text = folder.read("data.dat");
    EXPECT_EQ(text.substr(0, text.find("\r\n") + 2), "9,\"C\",1234,\"P\"\r\n");
    EXPECT_EQ(file().names[0], "T");
}

TEST_F(GameOver, AnEmptyAnswerAsksAgainWithTheSameDefault) {
    struct Case { const char* name; std::string score; std::int32_t bestPoints; std::string prompt; };
    const Case cases[] = {{"top ten", "20000", 900, "1位" + AskName},
                          {"best points", "5", 950, "最高記録950points" + AskName}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Cancel answers empty; a name of nothing but line breaks would be stored empty.
        platform.answers = {"", "", "\r\n", "Z"};
        endGame(tenPlaces(), c.score, 7, c.bestPoints);
        const auto asked = prompts();
        ASSERT_EQ(asked.size(), 4u);
        for (const PlatformEvent& p : asked) EXPECT_EQ(p.text + p.defaultText, c.prompt + asked[0].defaultText);
    }
    EXPECT_EQ(file().pointsHolder, "Z");
}

TEST_F(GameOver, KeepsAHigherBestThatAnotherCopyWroteMeanwhile) {
    Records other = tenPlaces();
    other.bestCombo = 40;
    other.comboHolder = "Other";
    other.bestPoints = 70000;
    other.pointsHolder = "Else";
    endGame(other, "5", 12, 60000);  // this game raised its bests above what it read at start
    EXPECT_TRUE(prompts().empty());
    EXPECT_EQ(file(), other);
}

TEST_F(GameOver, StoresNamesSoTheFileStaysReadable) {
    platform.answers = {"a\"b\r\nc,d\t山田", std::string(10000, 'n')};
    endGame(tenPlaces(), "20000", 7, 950);
    EXPECT_EQ(readRecordsFile(path).status, RecordsStatus::Ok);
    EXPECT_EQ(file().names[0], "a\u201Dbc,d山田");
    EXPECT_EQ(file().names[1], "P1");
    EXPECT_EQ(file().pointsHolder, std::string(256, 'n'));
    EXPECT_EQ(form.existingForm3()->Label1[0].Caption, "a\u201Dbc,d山田");
}

TEST_F(GameOver, BestComboRecordsUpTo255) {
    Records before = tenPlaces();
    before.bestCombo = 254;
    platform.answers = {"Max"};
    endGame(before, "5", 255, 900);
    ASSERT_EQ(prompts().size(), 1u);
    EXPECT_EQ(prompts()[0].text, "最高記録255combo" + AskName);
    EXPECT_EQ(file().bestCombo, 255);
}

TEST_F(GameOver, KeepsAFileItCouldNotReadAndSaysWhere) {
    struct Case { const char* name; std::string bytes; std::uintmax_t size; };
    const Case cases[] = {{"one line", "7,\"AB\",900,\"CD\"\r\n", 17}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(path + ".bak");
        folder.write("data.dat", c.bytes);
        std::filesystem::resize_file(path, c.size);
        platform.answers = {"N"};
        endGame("100", 0, 0);
        EXPECT_EQ(std::filesystem::file_size(path + ".bak"), c.size);
        EXPECT_EQ(readRecordsFile(path).status, RecordsStatus::Ok);
        EXPECT_EQ(file().names[0], "N");
        const auto messages = eventsOf(platform, Kind::MsgBox);
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_NE(messages[1].text.find(path + ".bak"), std::string::npos) << messages[1].text;
    }
}

// Each row leaves the game a program folder it cannot save in; the message says where,
// the game goes on, and whatever was there is kept.
TEST(GameOverSave, AFailedWriteIsReportedAndNothingIsLost) {
    TempFolder folder;
    folder.write("plain-file", "x");
    std::filesystem::create_directories(folder.file("locked"));
    std::filesystem::create_directories(folder.file("kept/data.dat"));
    folder.write("kept/data.dat/inside", "kept");
    const ReadOnlyFolder readOnly(folder.file("locked"));
    struct Case { const char* name; std::string programFolder; std::string where; };
    const Case cases[] = {
        {"program folder is a file", folder.file("plain-file"), folder.file("plain-file")},
        {"program folder is read-only", folder.file("locked"), folder.file("locked")},
        {"the old file, a folder, cannot be kept", folder.file("kept"), folder.file("kept/data.dat.bak")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.programFolder == folder.file("locked") && !readOnly.works()) continue;
        FakePlatform platform(c.programFolder);
        Form1 game(platform);
        game.Form_Load();
        platform.answers = {"N"};
        game.Score.Caption = "100";
        game.GAMEOVER();
        const auto messages = eventsOf(platform, Kind::MsgBox);
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[1].title, "Tumblehand");
        EXPECT_NE(messages[1].text.find(c.where), std::string::npos) << messages[1].text;
        EXPECT_NE(game.existingForm3(), nullptr) << "the game goes on to the records window";
    }
    EXPECT_EQ(folder.read("plain-file") + folder.read("kept/data.dat/inside"), "xkept");
    EXPECT_EQ(folder.listing("locked"), "");
}

TEST_F(GameOver, EndsASuspensionSoResumeCannotMoveAStalePair) {
    form.Timer1.setEnabled(true);
    form.StopL_Click();
    form.Start_Click();  // a new game keeps the "↓" of the old one
    ASSERT_EQ(form.StopL.Caption, "↓");
    endGame("0", 0, 0);
    EXPECT_EQ(form.StopL.Caption + form.Chusi.Caption, "STOP中断");
    form.StopL_Click();
    EXPECT_FALSE(form.Timer1.Enabled()) << "nothing falls after the game";
}

TEST_F(GameOver, RefreshesTheRecordsWindowWithoutShowingIt) {
    EXPECT_EQ(form.existingForm3(), nullptr);
    platform.answers = {"NEW"};
    endGame(tenPlaces(), "9500", 7, 900);
    const Form3* records = form.existingForm3();
    ASSERT_NE(records, nullptr);
    EXPECT_EQ(records->Label1[1].Caption + records->Score[1].Caption, "NEW9500");
    EXPECT_EQ(records->Label1[2].Caption + records->Score[9].Caption, "P22000");
    EXPECT_EQ(records->Maxcombon.Caption, "7combo");
    EXPECT_EQ(platform.recordsShown, 0);

    platform.answers = {"TOP"};  // a window that already existed is refreshed too
    endGame("99999", 7, 900);
    EXPECT_EQ(form.existingForm3(), records);
    EXPECT_EQ(records->Label1[0].Caption + records->Score[0].Caption, "TOP99999");
}

}  // namespace
}  // namespace tumblehand
