#include "play_fixture.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace tumblehand {
namespace {

struct LabelCase {
    std::int32_t multiplier, combo;
    std::int16_t jokers, pigs;
    const char* marker;
    const char* label2;
    Rgb color2;
    const char* label3;
    const char* label4;
};

TEST_F(PlayTest, ComboCheckWritesMultiplierAndHalvedRates) {
    const LabelCase table[] = {
        {1, 0, 2, 2, "", "", colors::Yellow, "", ""},
        {1, 1, 2, 2, "", "", colors::Yellow, "", ""},
        {1, 3, 2, 2, "", "×3", colors::Yellow, "", ""},
        {32, 0, 2, 2, "", "×32", colors::Red, "", ""},
        {2, 3, 3, 3, "", "×6", colors::Red, "×1.5", "×1.5"},
        {1, 0, 4, 5, "", "", colors::Yellow, "×2", "×2.5"},
        {1, 0, 10, 100, "!", "", colors::Yellow, "×5!", "×50"},
        {1, 0, 2, 2, "!", "", colors::Yellow, "!", ""},
        {32, 100000000, 100, 2, "", "×2147483647", colors::Red, "×50", ""},
    };
    for (const LabelCase& c : table) {
        form.state.ScoreMultiplier = c.multiplier;
        form.state.ComboCount = c.combo;
        form.state.JokerWeight = c.jokers;
        form.state.PigWeight = c.pigs;
        form.Label3.Tag = c.marker;
        form.ComboCheck();
        SCOPED_TRACE(std::string(c.label2) + " " + c.label3 + " " + c.label4);
        EXPECT_EQ(form.Label2.Caption, c.label2);
        EXPECT_EQ(form.Label2.ForeColor, c.color2);
        EXPECT_EQ(form.Label3.Caption, c.label3);
        EXPECT_EQ(form.Label4.Caption, c.label4);
    }
}

TEST_F(PlayTest, StartResetsTheGameAndDealsTheFirstPair) {
    form.state.BestCombo = 9;
    form.state.BestPoints = 900;
    form.state.GravityInterval = 300;
    form.state.DealPhase = 1;
    form.state.DealTick = 7;
    form.Timer1.setEnabled(true);
    form.Timer3.setEnabled(true);
    form.Score.Caption = "1234";
    form.Label5.Caption = "LV7";
    form.MoveCard = Picture{CardFace::Heart, true, 1195, 0, 250, 480};
    form.Gscore.Visible = true;
    block({3, 45});
    form.Start_Click();
    EXPECT_EQ(form.state.BestCombo, 0);  // no records file yet reads as zeros
    EXPECT_EQ(form.state.BestPoints, 0);
    EXPECT_EQ(form.state.GravityInterval, 1010);
    EXPECT_EQ(form.state.DealPhase + form.state.DealTick, 0);
    EXPECT_EQ(form.state.Level, 1);
    EXPECT_EQ(form.Label5.Caption, "LV1");
    EXPECT_EQ(form.Score.Caption, "0");
    EXPECT_FALSE(form.Gscore.Visible);
    EXPECT_EQ(form.MoveCard.Face, CardFace::Back);
    EXPECT_EQ(form.MoveCard.Left, 2640);
    EXPECT_EQ(form.MoveCard.Width, 480);
    EXPECT_EQ(cardsOnBoard(), 0);
    EXPECT_FALSE(form.Timer1.Enabled() || form.Timer3.Enabled());
    EXPECT_TRUE(form.Timer2.Enabled() && form.state.HideNext);
}

TEST(StartRecords, ReadsBestComboAndPointsFromTheRecordsFile) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("tumblehand-play-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "data.dat", std::ios::binary)
        << "7,\"AB\",900,\"CD\"\r\n0,0,0,0,0,0,0,0,0,0\r\n\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    FakePlatform platform(folder.string());
    Form1 form{platform};
    form.Form_Load();
    form.Start_Click();
    fs::remove_all(folder);
    EXPECT_EQ(form.state.BestCombo, 7);
    EXPECT_EQ(form.state.BestPoints, 900);
}

TEST_F(PlayTest, StartDealsBeforeEmptyingTheBoard) {
    putCard(form, 45, *parseCardToken("P3"));  // a counted pig shows the next pair
    form.Start_Click();
    EXPECT_NE(form.NextCard[0].Face, CardFace::Back);
    EXPECT_NE(form.NextCard[1].Face, CardFace::Back);
    EXPECT_TRUE(form.board.isEmpty(45));
}

TEST_F(PlayTest, StartConsumesTheBoosts) {
    struct Row { bool pig, joker; std::int16_t pigs, jokers; std::int32_t multiplier; const char* label4; };
    const Row table[] = {{false, false, 2, 2, 1, ""}, {true, false, 100, 2, 32, "×50"},
                         {false, true, 2, 100, 32, ""}, {true, true, 100, 100, 32, "×50"}};
    for (const Row& row : table) {
        form.state.PigBoost = row.pig;
        form.state.JokerBoost = row.joker;
        form.Start_Click();
        EXPECT_EQ(form.state.PigWeight, row.pigs);
        EXPECT_EQ(form.state.JokerWeight, row.jokers);
        EXPECT_EQ(form.state.ScoreMultiplier, row.multiplier);
        EXPECT_EQ(form.Label4.Caption, row.label4);
        EXPECT_FALSE(form.state.PigBoost || form.state.JokerBoost);
    }
}

struct StopCase {
    const char* caption;
    bool timer1, timer2, timer3;
    const char* captionAfter;
    const char* menuAfter;
    bool timer1After;
};

TEST_F(PlayTest, StopSuspendsOnlyAFallingPairAndResumes) {
    const StopCase table[] = {
        {"STOP", true, false, false, "↓", "再開", false},
        {"STOP", false, false, false, "STOP", "中断(&D)", false},
        {"STOP", false, true, false, "STOP", "中断(&D)", false},
        {"STOP", false, false, true, "STOP", "中断(&D)", false},
        {"↓", false, false, false, "STOP", "中断", true},
        // Started while suspended: the deal-in or resolution starts gravity itself.
        {"↓", false, true, false, "STOP", "中断", false},
        {"↓", false, false, true, "STOP", "中断", false},
        {"START", false, false, false, "START", "中断(&D)", false},
    };
    for (const StopCase& c : table) {
        Form1 window{platform};
        window.StopL.Caption = c.caption;
        window.Timer1.setEnabled(c.timer1);
        window.Timer2.setEnabled(c.timer2);
        window.Timer3.setEnabled(c.timer3);
        window.StopL_Click();
        SCOPED_TRACE(std::string(c.caption) + (c.timer2 ? " deal-in" : "") + (c.timer3 ? " resolving" : ""));
        EXPECT_EQ(window.StopL.Caption, c.captionAfter);
        EXPECT_EQ(window.Chusi.Caption, c.menuAfter);
        EXPECT_EQ(window.Timer1.Enabled(), c.timer1After);
        EXPECT_EQ(window.Timer1.Interval(), 1010);
    }
}

TEST_F(PlayTest, StartLeavesThePauseButtonAlone) {
    form.Timer1.setEnabled(true);
    form.StopL_Click();
    form.Start_Click();
    EXPECT_EQ(form.StopL.Caption, "↓");
    EXPECT_EQ(form.Chusi.Caption, "再開");
}

}  // namespace
}  // namespace tumblehand
