#include "play/settle.h"
#include "play_fixture.h"

namespace tumblehand {
namespace {

struct FallCase {
    const char* name;
    const char* before;
    const char* after;
    int passes;
};

struct Settling : PlayTest, ::testing::WithParamInterface<FallCase> {};

TEST_P(Settling, DropsCardsOnePassAtATimeKeepingTheirOrder) {
    const FallCase& c = GetParam();
    setBoard(c.before);
    Form1 expected{platform};
    ASSERT_EQ(setBoardText(expected, c.after), "");
    EXPECT_EQ(settleBoard(form.board), c.passes);
    EXPECT_EQ(boardText(form), boardText(expected));
}

// Rows top to bottom; rows left out at the top are empty.
#define E ". . . . .\n"
INSTANTIATE_TEST_SUITE_P(Fall, Settling, ::testing::Values(
    FallCase{"EmptyBoard", E E E E E E E E E E, E E E E E E E E E E, 1},
    FallCase{"TopCardToBottom", "AS . . . .\n" E E E E E E E E E, E E E E E E E E E "AS . . . .\n", 10},
    FallCase{"StackDropsTogether",
             E E ". 2H . . .\n. 3H . . .\n. 4H . . .\n" E E E E E,
             E E E E E E E ". 2H . . .\n. 3H . . .\n. 4H . . .\n", 6},
    FallCase{"OnlyTheHangingHalfDrops",
             E E E E E ". . JK P3 .\n. . . PG .\n. . . 5C .\n. . . 6C .\n. . 8D 7C .\n",
             E E E E E ". . . P3 .\n. . . PG .\n. . . 5C .\n. . JK 6C .\n. . 8D 7C .\n", 4},
    FallCase{"BottomRowStays", E E E E E E E E E "KD . QC . .\n", E E E E E E E E E "KD . QC . .\n", 1}),
    [](const auto& info) { return std::string(info.param.name); });
#undef E

TEST_F(PlayTest, FallMovesOnlyFaceAndRankText) {
    putCard(form, 0, *parseCardToken("P3"));  // a counted pig: caption and tag "3"
    form.Num(0).ForeColor = colors::Red;
    form.Fall();
    EXPECT_EQ(form.Mas(45).Face, CardFace::Pig);
    EXPECT_EQ(form.Num(45).Caption, "3");
    EXPECT_EQ(form.Num(45).Tag, "");
    EXPECT_EQ(form.Num(0).Tag, "3");
    EXPECT_EQ(form.Num(45).ForeColor, form.MoveNum.ForeColor);
    EXPECT_TRUE(form.board.isEmpty(0));
    EXPECT_EQ(form.Num(0).Caption, "");
}

}  // namespace
}  // namespace tumblehand
