#include "play/key_codes.h"
#include "play_fixture.h"

namespace tumblehand {
namespace {

constexpr int Tick = 0;  // no key: one gravity tick

// Card 0 is the 5 of hearts, the pivot the 9 of spades; orientation 2 unless turned.
struct PairCase {
    const char* name;
    int key, card0, pivot, orientation;
    std::vector<int> obstacles;
    int card0After, pivotAfter, orientationAfter;
};

struct PairMoves : PlayTest, ::testing::WithParamInterface<PairCase> {};

TEST_P(PairMoves, GoWhereTheWayIsFreeAndFollowThePlacementTable) {
    const PairCase& c = GetParam();
    block(c.obstacles);
    putPair(c.card0, c.pivot, c.orientation);
    form.Timer1.setEnabled(true);
    if (c.key == Tick) {
        form.Timer1_Timer();
    } else {
        form.Form_KeyDown(c.key);
    }
    EXPECT_EQ(form.state.FallingPair[0], c.card0After);
    EXPECT_EQ(form.state.FallingPair[1], c.pivotAfter);
    EXPECT_EQ(form.state.PairOrientation, c.orientationAfter);
    EXPECT_EQ(form.Mas(c.card0After).Face, CardFace::Heart);
    EXPECT_EQ(form.Mas(c.pivotAfter).Face, CardFace::Spade);
    EXPECT_EQ(cardsOnBoard(), static_cast<int>(c.obstacles.size()) + 2);
}

INSTANTIATE_TEST_SUITE_P(Pairs, PairMoves, ::testing::Values(
    PairCase{"VerticalAtLeftWall", vk::Left, 25, 20, 2, {}, 25, 20, 2},
    PairCase{"VerticalRightFree", vk::C, 25, 20, 2, {}, 26, 21, 2},
    PairCase{"VerticalRightHalfBlocked", vk::Right, 25, 20, 2, {26}, 25, 20, 2},
    PairCase{"HorizontalLeftCardAtWall", vk::Z, 21, 20, 2, {}, 21, 20, 2},
    PairCase{"CardZeroRightOfPivotMovesLeft", vk::Left, 22, 21, 2, {}, 21, 20, 2},
    PairCase{"CardZeroRightOfPivotBlocked", vk::Left, 22, 21, 2, {20}, 22, 21, 2},
    PairCase{"CardZeroLeftOfPivotMovesLeft", vk::Left, 21, 22, 2, {}, 20, 21, 2},
    PairCase{"CardZeroLeftOfPivotMovesRight", vk::Right, 21, 22, 2, {}, 22, 23, 2},
    PairCase{"CardZeroRightOfPivotMovesRight", vk::C, 23, 22, 2, {}, 24, 23, 2},
    PairCase{"HorizontalAtRightWall", vk::Right, 24, 23, 2, {}, 24, 23, 2},
    PairCase{"DownRunsOneGravityStep", vk::X, 25, 20, 2, {}, 30, 25, 2},
    PairCase{"AboveWithoutTest", vk::Up, 21, 22, 3, {}, 17, 22, 0},
    PairCase{"AboveFromTopRowDropsARow", vk::Up, 1, 2, 3, {}, 2, 7, 0},
    PairCase{"AboveFromTopRowBlockedGoesRight", vk::Up, 1, 2, 3, {7}, 3, 2, 1},
    PairCase{"Right", vk::Up, 17, 22, 0, {}, 23, 22, 1},
    PairCase{"RightKicksLeft", vk::Up, 17, 22, 0, {23}, 22, 21, 1},
    PairCase{"RightAtRightWallKicks", vk::Up, 19, 24, 0, {}, 24, 23, 1},
    PairCase{"RightAtRightWallBlockedGoesBelow", vk::Up, 19, 24, 0, {23}, 29, 24, 2},
    PairCase{"RightAtLeftWallNoKickGoesBelow", vk::Up, 15, 20, 0, {21}, 25, 20, 2},
    PairCase{"Below", vk::Up, 23, 22, 1, {}, 27, 22, 2},
    PairCase{"BelowRefusedOnBottomRow", vk::Up, 48, 47, 1, {}, 46, 47, 3},
    PairCase{"Left", vk::Up, 27, 22, 2, {}, 21, 22, 3},
    PairCase{"LeftKicksRight", vk::Up, 27, 22, 2, {21}, 22, 23, 3},
    PairCase{"LeftAtLeftWallKicks", vk::Up, 5, 0, 2, {}, 0, 1, 3},
    PairCase{"LeftAtRightWallNoKickGoesAbove", vk::Up, 29, 24, 2, {23}, 19, 24, 0},
    PairCase{"TopRightCornerGoesLeft", vk::Up, 9, 4, 2, {}, 3, 4, 3},
    PairCase{"BoxedInCyclesBack", vk::Up, 7, 2, 2, {1, 3, 12}, 7, 2, 2},
    PairCase{"LandingVerticalIntoRows8And9", Tick, 42, 37, 2, {}, 47, 42, 2},
    PairCase{"LandingVerticalInBottomRowLands", Tick, 47, 42, 2, {}, 47, 42, 2},
    PairCase{"LandingPivotInBottomRowLands", Tick, 42, 47, 2, {}, 42, 47, 2},
    PairCase{"LandingCardZeroAboveFallsOverPartner", Tick, 12, 17, 2, {}, 17, 22, 2},
    PairCase{"LandingCardZeroBelowOnStackLands", Tick, 22, 17, 2, {27, 32, 37, 42, 47}, 22, 17, 2},
    PairCase{"LandingPivotBelowOnStackLands", Tick, 12, 17, 2, {22, 27, 32, 37, 42, 47}, 12, 17, 2},
    PairCase{"LandingHorizontalBothFree", Tick, 21, 20, 2, {}, 26, 25, 2},
    PairCase{"LandingHorizontalInBottomRowLands", Tick, 46, 45, 2, {}, 46, 45, 2}),
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

struct ShiftCase {
    const char* name;
    int key, from;
    std::vector<int> obstacles;
    int to;
};

struct TopRowShift : PlayTest, ::testing::WithParamInterface<ShiftCase> {};

TEST_P(TopRowShift, JumpsOverOneCellNeverTwo) {
    const ShiftCase& c = GetParam();
    block(c.obstacles);
    putCard(form, c.from, *parseCardToken("QD"));
    form.state.FallingPair[0] = static_cast<std::uint8_t>(c.from);
    form.state.DealPhase = 1;
    form.Form_KeyDown(c.key);
    EXPECT_EQ(form.state.FallingPair[0], c.to);
    EXPECT_EQ(form.Mas(c.to).Face, CardFace::Diamond);
    EXPECT_EQ(form.Num(c.to).Caption, "Q");
    EXPECT_EQ(cardsOnBoard(), static_cast<int>(c.obstacles.size()) + 1);
}

INSTANTIATE_TEST_SUITE_P(Shifts, TopRowShift, ::testing::Values(
    ShiftCase{"RightToFreeCell", vk::Right, 2, {}, 3},
    ShiftCase{"RightJumpsOne", vk::C, 2, {3}, 4},
    ShiftCase{"RightNeverJumpsTwo", vk::Right, 2, {3, 4}, 2},
    ShiftCase{"RightFromCell3Blocked", vk::Right, 3, {4}, 3},
    ShiftCase{"RightAtWall", vk::Right, 4, {}, 4},
    ShiftCase{"LeftJumpsOne", vk::Z, 2, {1}, 0},
    ShiftCase{"LeftNeverJumpsTwo", vk::Left, 2, {0, 1}, 2},
    ShiftCase{"LeftFromCell1Blocked", vk::Left, 1, {0}, 1},
    ShiftCase{"LeftToFreeCell", vk::Left, 1, {6}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tumblehand
