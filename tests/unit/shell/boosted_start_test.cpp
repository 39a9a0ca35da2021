#include <gtest/gtest.h>

#include "board/form1.h"
#include "shell/records_file.h"
#include "tests/unit/shell/temp_folder.h"
#include "tools/fake/fake_platform.h"

namespace tumblehand {
namespace {

struct BoostedStart : ::testing::Test {
    TempFolder folder;
    FakePlatform platform{folder.path()};
    Form1 form{platform};

    void SetUp() override {
        Records records;
        records.scores[0] = {"500001", true};
        records.bestCombo = 9;
        records.bestPoints = 4321;
        ASSERT_EQ(saveRecordsFile(folder.file("data.dat"), records, RecordsStatus::Missing).error, "");
        form.Form_Load();
    }
};

TEST_F(BoostedStart, DropsArmTheNextGameOnly) {
    struct Case { bool pig; bool joker; int drops; std::int16_t pigWeight; std::int16_t jokerWeight; std::int32_t multiplier; };
    const Case cases[] = {{false, false, 1, 2, 2, 1},   {true, false, 1, 100, 2, 32},  {true, false, 2, 100, 2, 32},
                          {false, true, 1, 2, 100, 32}, {true, true, 1, 100, 100, 32}, {true, true, 2, 100, 100, 32}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pig << c.joker << c.drops);
        for (int d = 0; d < c.drops; ++d) {
            if (c.pig) form.Label4_DragDrop();
            if (c.joker) form.Label3_DragDrop();
        }
        form.Kaisi_Click();
        EXPECT_TRUE(form.Timer2.Enabled()) << "the menu item starts a game";
        EXPECT_EQ(form.state.PigWeight, c.pigWeight);
        EXPECT_EQ(form.state.JokerWeight, c.jokerWeight);
        EXPECT_EQ(form.state.ScoreMultiplier, c.multiplier);
        EXPECT_EQ(form.state.BestPoints + form.state.BestCombo, 4321 + 9);
        form.Kaisi_Click();
        EXPECT_EQ(form.state.PigWeight, 2) << "used up by one start";
        EXPECT_EQ(form.state.JokerWeight, 2);
        EXPECT_EQ(form.state.ScoreMultiplier, 1);
    }
}

TEST_F(BoostedStart, SuspendMenuItemIsTheStopButton) {
    form.Timer1.setEnabled(true);
    form.Chusi_Click();
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_EQ(form.StopL.Caption, "↓");
    EXPECT_EQ(form.Chusi.Caption, "再開");
    form.Chusi_Click();
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_EQ(form.Chusi.Caption, "中断");
}

TEST_F(BoostedStart, GameOverEndsASuspensionSoResumeCannotMoveAStalePair) {
    form.Timer1.setEnabled(true);
    form.StopL_Click();
    form.Start_Click();  // a new game keeps the "↓" of the old one
    ASSERT_EQ(form.StopL.Caption, "↓");
    platform.answers = {"me"};
    form.GAMEOVER();
    EXPECT_EQ(form.StopL.Caption, "STOP");
    EXPECT_EQ(form.Chusi.Caption, "中断");
    form.StopL_Click();
    EXPECT_FALSE(form.Timer1.Enabled()) << "nothing falls after the game";
}

}  // namespace
}  // namespace tumblehand
