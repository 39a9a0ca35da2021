#include "play_fixture.h"

namespace tumblehand {
namespace {

struct GravityCase {
    const char* name;
    int card0, pivot;
    std::vector<int> obstacles;
    int card0After, pivotAfter;  // the same cells: the pair landed
};

struct Gravity : PlayTest, ::testing::WithParamInterface<GravityCase> {};

TEST_P(Gravity, MovesWhileTheCellsBelowAreFreeOrHeldByThePartner) {
    const GravityCase& c = GetParam();
    block(c.obstacles);
    putPair(c.card0, c.pivot);
    form.Timer1_Timer();
    EXPECT_EQ(form.state.FallingPair[0], c.card0After);
    EXPECT_EQ(form.state.FallingPair[1], c.pivotAfter);
    EXPECT_EQ(form.Mas(c.card0After).Face, CardFace::Heart);
    EXPECT_EQ(form.Mas(c.pivotAfter).Face, CardFace::Spade);
    EXPECT_EQ(cardsOnBoard(), static_cast<int>(c.obstacles.size()) + 2);
}

INSTANTIATE_TEST_SUITE_P(Landing, Gravity, ::testing::Values(
    GravityCase{"VerticalIntoRows8And9", 42, 37, {}, 47, 42},
    GravityCase{"VerticalInBottomRowLands", 47, 42, {}, 47, 42},
    GravityCase{"PivotInBottomRowLands", 42, 47, {}, 42, 47},
    GravityCase{"CardZeroAboveFallsOverPartner", 12, 17, {}, 17, 22},
    GravityCase{"CardZeroBelowOnStackLands", 22, 17, {27, 32, 37, 42, 47}, 22, 17},
    GravityCase{"PivotBelowOnStackLands", 12, 17, {22, 27, 32, 37, 42, 47}, 12, 17},
    GravityCase{"HorizontalBothFree", 21, 20, {}, 26, 25},
    GravityCase{"HorizontalInBottomRowLands", 46, 45, {}, 46, 45}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PlayTest, HorizontalPairHalfOverAGapLandsAndTheHangingCardDrops) {
    block({26, 31, 36, 41, 46});
    putPair(21, 20, 1);
    form.Timer1_Timer();
    EXPECT_EQ(form.Mas(21).Face, CardFace::Heart);
    EXPECT_TRUE(form.board.isEmpty(20));
    EXPECT_EQ(form.Mas(45).Face, CardFace::Spade);
    EXPECT_EQ(form.Num(45).Caption, "9");
}

}  // namespace
}  // namespace tumblehand
