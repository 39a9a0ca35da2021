#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <vector>

#include "board/form1.h"
#include "board/numbers.h"
#include "shell/records_file.h"
#include "tests/unit/shell/temp_folder.h"
#include "tools/fake/fake_platform.h"

namespace tumblehand {
namespace {

using Kind = PlatformEvent::Kind;

const std::string AskName = "\r\n名前を入力してください";

// Places 1..10 score 10000, 9000, ... 1000, held by P1 .. P10; odd places bare.
Records tenPlaces() {
    Records records;
    records.bestCombo = 7;
    records.comboHolder = "AB";
    records.bestPoints = 900;
    records.pointsHolder = "CD";
    for (std::size_t i = 0; i < 10; ++i) {
        records.scores[i] = {decimal(10000 - 1000 * static_cast<std::int64_t>(i)), i % 2 == 0};
        records.names[i] = "P" + decimal(static_cast<std::int64_t>(i) + 1);
    }
    return records;
}

struct GameOver : ::testing::Test {
    TempFolder folder;
    FakePlatform platform{folder.path()};
    Form1 form{platform};
    std::string path = folder.file("data.dat");

    void SetUp() override { form.Form_Load(); }

    void endGame(const Records& file, const std::string& score, std::uint8_t bestCombo,
                 std::int32_t bestPoints) {
        ASSERT_EQ(writeRecordsFile(path, file, RecordsStatus::Ok), "");
        endGame(score, bestCombo, bestPoints);
    }
    void endGame(const std::string& score, std::uint8_t bestCombo, std::int32_t bestPoints) {
        form.Score.Caption = score;
        form.state.BestCombo = bestCombo;
        form.state.BestPoints = bestPoints;
        form.GAMEOVER();
    }
    std::vector<PlatformEvent> events(Kind kind) const {
        std::vector<PlatformEvent> found;
        for (const PlatformEvent& e : platform.events) {
            if (e.kind == kind) found.push_back(e);
        }
        return found;
    }
    RecordsRead file() const { return readRecordsFile(path); }
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

    ASSERT_FALSE(platform.events.empty());
    EXPECT_EQ(platform.events[0].kind, Kind::MsgBox);
    EXPECT_EQ(platform.events[0].text, "GAMEOVER");
    EXPECT_EQ(platform.events[0].title, "Tumblehand");
    EXPECT_EQ(platform.events.size(), 1u) << "a zero score in a table of zeros asks nothing";
    EXPECT_FALSE(form.Timer1.Enabled() || form.Timer2.Enabled() || form.Timer3.Enabled());
    EXPECT_EQ(form.state.DealTick, 0);
    EXPECT_EQ(form.state.DealPhase, 0) << "Left and Right must not move a card after the end";
    EXPECT_EQ(form.MoveNum.Caption, "");
    EXPECT_EQ(form.MoveCard.Face, CardFace::Back);
    EXPECT_EQ(form.MoveCard.Left, 2640);
}

TEST_F(GameOver, PutsTheScoreBelowEveryScoreItOnlyEquals) {
    struct Case { const char* name; const char* score; int place; };  // place 0: none
    const Case cases[] = {{"beats place 1", "10001", 1},
                          {"equals place 5, beats place 6", "6000", 6},
                          {"just above place 10", "1001", 10},
                          {"equals place 10", "1000", 0},
                          {"below place 10", "5", 0},
                          {"score text with a unit", "9500p", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.events.clear();
        platform.answers = {"NEW"};
        const Records before = tenPlaces();
        endGame(before, c.score, before.bestCombo, before.bestPoints);

        std::vector<ScoreField> scores(before.scores.begin(), before.scores.end());
        std::vector<std::string> names(before.names.begin(), before.names.end());
        const auto prompts = events(Kind::InputBox);
        if (c.place == 0) {
            EXPECT_TRUE(prompts.empty());
            platform.answers.clear();
        } else {
            ASSERT_EQ(prompts.size(), 1u);
            EXPECT_EQ(prompts[0].text, decimal(c.place) + "位" + AskName);
            EXPECT_EQ(prompts[0].title, "Tumblehand(ハイスコア)");
            EXPECT_EQ(prompts[0].defaultText, before.names[static_cast<std::size_t>(c.place - 1)]);
            scores.insert(scores.begin() + (c.place - 1), ScoreField{c.score, true});
            names.insert(names.begin() + (c.place - 1), "NEW");
        }
        const RecordsRead after = file();
        EXPECT_EQ(after.status, RecordsStatus::Ok);
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_EQ(after.records.scores[i].text, scores[i].text) << "place " << i + 1;
            EXPECT_EQ(after.records.scores[i].quoted, scores[i].quoted) << "place " << i + 1;
            EXPECT_EQ(after.records.names[i], names[i]) << "place " << i + 1;
        }
        EXPECT_EQ(after.records.bestPoints, 900);
        EXPECT_EQ(after.records.pointsHolder, "CD");
    }
}

TEST_F(GameOver, RewritesTheFileEvenWithoutANewRecord) {
    std::string lf = recordsFileText(tenPlaces());
    std::erase(lf, '\r');
    folder.write("data.dat", lf);
    endGame("3", 7, 900);
    EXPECT_TRUE(events(Kind::InputBox).empty());
    EXPECT_EQ(folder.read("data.dat"), recordsFileText(tenPlaces()));
}

TEST_F(GameOver, AsksForTopTenThenPointsThenCombo) {
    platform.answers = {"T", "P", "C"};
    endGame(tenPlaces(), "12345", 9, 1234);
    const auto prompts = events(Kind::InputBox);
    ASSERT_EQ(prompts.size(), 3u);
    EXPECT_EQ(prompts[0].text, "1位" + AskName);
    EXPECT_EQ(prompts[0].defaultText, "P1");
    EXPECT_EQ(prompts[1].text, "最高記録1234points" + AskName);
    EXPECT_EQ(prompts[1].title, "Tumblehand(最高記録)");
    EXPECT_EQ(prompts[1].defaultText, "CD");
    EXPECT_EQ(prompts[2].text, "最高記録9combo" + AskName);
    EXPECT_EQ(prompts[2].title, "Tumblehand(最高記録)");
    EXPECT_EQ(prompts[2].defaultText, "AB");
    EXPECT_EQ(platform.events.front().text, "GAMEOVER") << "the message comes before the prompts";
    EXPECT_TRUE(platform.answers.empty());
    const std::string text = folder.read("data.dat");
    EXPECT_EQ(text.substr(0, text.find("\r\n") + 2), "9,\"C\",1234,\"P\"\r\n");
    EXPECT_EQ(file().records.names[0], "T");
}

TEST_F(GameOver, AnEmptyAnswerAsksAgainWithTheSameDefault) {
    struct Case { const char* name; std::string score; std::int32_t bestPoints; std::string prompt; };
    const Case cases[] = {{"top ten", "20000", 900, "1位" + AskName},
                          {"best points", "5", 950, "最高記録950points" + AskName}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.events.clear();
        // Cancel answers empty; a name of nothing but line breaks would be stored empty.
        platform.answers = {"", "", "\r\n", "Z"};
        endGame(tenPlaces(), c.score, 7, c.bestPoints);
        const auto prompts = events(Kind::InputBox);
        ASSERT_EQ(prompts.size(), 4u);
        for (const PlatformEvent& p : prompts) {
            EXPECT_EQ(p.text, c.prompt);
            EXPECT_EQ(p.defaultText, prompts[0].defaultText);
        }
    }
    EXPECT_EQ(file().records.pointsHolder, "Z");
}

TEST_F(GameOver, KeepsAHigherBestThatAnotherCopyWroteMeanwhile) {
    Records other = tenPlaces();
    other.bestCombo = 40;
    other.comboHolder = "Other";
    other.bestPoints = 70000;
    other.pointsHolder = "Else";
    endGame(other, "5", 12, 60000);  // this game raised its bests above what it read at start
    EXPECT_TRUE(events(Kind::InputBox).empty());
    const Records after = file().records;
    EXPECT_EQ(after.bestCombo, 40);
    EXPECT_EQ(after.comboHolder, "Other");
    EXPECT_EQ(after.bestPoints, 70000);
    EXPECT_EQ(after.pointsHolder, "Else");
}

TEST_F(GameOver, StoresNamesSoTheFileStaysReadable) {
    platform.answers = {"a\"b\r\nc,d\t山田", std::string(10000, 'n')};
    endGame(tenPlaces(), "20000", 7, 950);
    const RecordsRead after = file();
    EXPECT_EQ(after.status, RecordsStatus::Ok);
    EXPECT_EQ(after.records.names[0], "a\u201Dbc,d山田");
    EXPECT_EQ(after.records.names[1], "P1");
    EXPECT_EQ(after.records.pointsHolder, std::string(256, 'n'));
    EXPECT_EQ(form.existingForm3()->Label1[0].Caption, "a\u201Dbc,d山田");
}

TEST_F(GameOver, AMissingFileIsTheStartingFileAndIsCreated) {
    platform.answers = {"First", "Pts", "Cmb"};
    endGame("500", 3, 200);
    const auto prompts = events(Kind::InputBox);
    ASSERT_EQ(prompts.size(), 3u);
    EXPECT_EQ(prompts[0].text, "1位" + AskName);
    EXPECT_EQ(prompts[0].defaultText, "");
    const RecordsRead after = file();
    EXPECT_EQ(after.status, RecordsStatus::Ok);
    EXPECT_EQ(after.records.scores[0], (ScoreField{"500", true}));
    EXPECT_EQ(after.records.names[0], "First");
    EXPECT_EQ(after.records.scores[1].value(), 0);
    EXPECT_EQ(after.records.bestCombo, 3);
    EXPECT_EQ(after.records.comboHolder, "Cmb");
    EXPECT_EQ(after.records.bestPoints, 200);
    EXPECT_EQ(after.records.pointsHolder, "Pts");
    EXPECT_EQ(folder.listing(), "data.dat ");
}

TEST_F(GameOver, KeepsAFileItCouldNotReadAndSaysWhere) {
    struct Case { const char* name; std::function<void()> make; std::uintmax_t size; };
    const Case cases[] = {
        {"one line", [&] { folder.write("data.dat", "7,\"AB\",900,\"CD\"\r\n"); }, 17},
        {"50 MB", [&] {
             folder.write("data.dat", "x");
             std::filesystem::resize_file(path, 50u * 1000 * 1000);
         }, 50u * 1000 * 1000}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(path);
        std::filesystem::remove(path + ".bak");
        platform.events.clear();
        c.make();
        platform.answers = {"N"};
        endGame("100", 0, 0);
        EXPECT_EQ(std::filesystem::file_size(path + ".bak"), c.size);
        EXPECT_EQ(file().status, RecordsStatus::Ok);
        EXPECT_EQ(file().records.names[0], "N");
        const auto messages = events(Kind::MsgBox);
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_NE(messages[1].text.find(path + ".bak"), std::string::npos) << messages[1].text;
    }
}

TEST_F(GameOver, AFailedWriteIsReportedAndTheGameGoesOn) {
    folder.write("plain-file", "x");
    struct Case { const char* name; std::string programFolder; };
    const Case cases[] = {{"program folder is a file", folder.file("plain-file")},
                          {"program folder is gone", folder.file("gone")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform elsewhere(c.programFolder);
        Form1 game(elsewhere);
        game.Form_Load();
        elsewhere.answers = {"N"};
        game.Score.Caption = "100";
        game.GAMEOVER();
        const auto& e = elsewhere.events;
        ASSERT_EQ(e.size(), 3u);
        EXPECT_EQ(e[2].kind, Kind::MsgBox);
        EXPECT_EQ(e[2].title, "Tumblehand");
        EXPECT_NE(e[2].text.find(c.programFolder), std::string::npos) << e[2].text;
        ASSERT_NE(game.existingForm3(), nullptr);
    }
    EXPECT_EQ(folder.read("plain-file"), "x");
}

TEST_F(GameOver, NothingIsLostWhenTheOldFileCannotBeKept) {
    std::filesystem::create_directory(path);
    folder.write("data.dat/inside", "kept");
    platform.answers = {"N"};
    endGame("100", 0, 0);
    const auto messages = events(Kind::MsgBox);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].text.find(path), std::string::npos) << messages[1].text;
    EXPECT_EQ(folder.read("data.dat/inside"), "kept");
}

TEST_F(GameOver, RefreshesTheRecordsWindowWithoutShowingIt) {
    EXPECT_EQ(form.existingForm3(), nullptr);
    platform.answers = {"NEW"};
    endGame(tenPlaces(), "9500", 7, 900);
    const Form3* records = form.existingForm3();
    ASSERT_NE(records, nullptr);
    EXPECT_EQ(records->Label1[1].Caption, "NEW");
    EXPECT_EQ(records->Score[1].Caption, "9500");
    EXPECT_EQ(records->Label1[2].Caption, "P2");
    EXPECT_EQ(records->Score[9].Caption, "2000");
    EXPECT_EQ(records->Maxcombon.Caption, "7combo");
    EXPECT_EQ(platform.recordsShown, 0);

    // A window that already existed is refreshed too.
    platform.answers = {"TOP"};
    endGame("99999", 7, 900);
    EXPECT_EQ(form.existingForm3(), records);
    EXPECT_EQ(records->Label1[0].Caption, "TOP");
    EXPECT_EQ(records->Score[0].Caption, "99999");
}

TEST_F(GameOver, BestComboRecordsUpTo255) {
    Records before = tenPlaces();
    before.bestCombo = 254;
    platform.answers = {"Max"};
    endGame(before, "5", 255, 900);
    ASSERT_EQ(events(Kind::InputBox).size(), 1u);
    EXPECT_EQ(events(Kind::InputBox)[0].text, "最高記録255combo" + AskName);
    EXPECT_EQ(file().records.bestCombo, 255);
}

}  // namespace
}  // namespace tumblehand
