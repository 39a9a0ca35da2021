#include "board/numbers.h"
#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

struct StartStop : testing::GameTest {};

TEST_F(StartStop, StartResetsTheGameAndDealsTheFirstPair) {
    form.state.GravityInterval = 300;
    form.state.DealPhase = 1;
    form.state.DealTick = 7;
    form.Timer1.setEnabled(true);
    form.Timer3.setEnabled(true);
    form.Score.Caption = "1234";
    form.Label5.Caption = "LV7";
    form.MoveCard = Picture{CardFace::Heart, true, 1195, 0, 250, 480};
    form.Gscore.Visible = form.ComboS.Visible = form.TotalS.Visible = true;
    form.YakuL.Visible = false;
    setBottomRows("P3 . . . KC");             // a counted pig in cell 45 would show the next pair
    putCard(form, 0, *parseCardToken("AS"));  // every cell is cleared, the first one too
    form.Start_Click();
    EXPECT_EQ(form.state.GravityInterval, 1010);
    EXPECT_EQ(form.state.DealPhase + form.state.DealTick, 0);
    EXPECT_EQ(form.state.Level, 1);
    EXPECT_EQ(form.Label5.Caption + form.Score.Caption, "LV10");
    EXPECT_TRUE(!form.Gscore.Visible && !form.ComboS.Visible && !form.TotalS.Visible && form.YakuL.Visible);
    EXPECT_EQ(cardTokenOf(form.MoveCard.Face, "") + " " + decimal(form.MoveCard.Left) + " " +
                  decimal(form.MoveCard.Width) + " " + decimal(form.MoveNum.Left),
              "BK 2640 480 1080");
    EXPECT_EQ(cardsOnBoard(), 0);
    EXPECT_NE(form.NextCard[0].Face, CardFace::Back) << "dealt before the board was emptied";
    EXPECT_FALSE(form.Timer1.Enabled() || form.Timer3.Enabled());
    EXPECT_TRUE(form.Timer2.Enabled() && form.state.HideNext);
}

// A drop on the pig rate arms the pig boost (the joker boost needs a best score, see the
// drops tests); the next start uses both up.
TEST_F(StartStop, StartConsumesTheBoosts) {
    struct Row {
        bool pig, joker;
        std::int16_t pigs, jokers;
        std::int32_t multiplier;
        const char* label4;
    };
    const Row table[] = {{false, false, 2, 2, 1, ""}, {true, false, 100, 2, 32, "×50"}, {false, true, 2, 100, 32, ""}};
    for (const Row& row : table) {
        if (row.pig) form.Label4_DragDrop();
        form.state.JokerBoost = row.joker;
        form.Kaisi_Click();
        EXPECT_EQ(std::vector<int>({form.state.PigWeight, form.state.JokerWeight, form.state.ScoreMultiplier}),
                  std::vector<int>({row.pigs, row.jokers, row.multiplier}));
        EXPECT_EQ(form.Label4.Caption, row.label4);
        EXPECT_FALSE(form.state.PigBoost || form.state.JokerBoost);
    }
}

// The pause in every phase of the game; F1 reaches it as the menu does (key-down tests).
TEST_F(StartStop, StopSuspendsOnlyAFallingPairAndResumes) {
    struct Case {
        const char* caption;
        bool timer1, timer2, timer3;
        const char *captionAfter, *menuAfter;
        bool timer1After;
    };
    const Case table[] = {
        {"STOP", true, false, false, "↓", "再開", false},
        {"STOP", false, true, false, "STOP", "中断(&D)", false},
        {"↓", false, false, false, "STOP", "中断", true},
        // Resumed while the deal-in or resolution runs: that starts gravity itself.
        {"↓", false, true, false, "STOP", "中断", false},
        {"START", false, false, false, "START", "中断(&D)", false},
    };
    for (const Case& c : table) {
        Form1 window{platform};
        window.StopL.Caption = c.caption;
        window.Timer1.setEnabled(c.timer1);
        window.Timer2.setEnabled(c.timer2);
        window.Timer3.setEnabled(c.timer3);
        window.Chusi_Click();
        SCOPED_TRACE(std::string(c.caption) + (c.timer2 ? " deal-in" : "") + (c.timer3 ? " resolving" : ""));
        EXPECT_EQ(window.StopL.Caption + "|" + window.Chusi.Caption, std::string(c.captionAfter) + "|" + c.menuAfter);
        EXPECT_EQ(window.Timer1.Enabled(), c.timer1After);
        EXPECT_EQ(window.Timer1.Interval(), 1010);
    }
}

}  // namespace
}  // namespace tumblehand
