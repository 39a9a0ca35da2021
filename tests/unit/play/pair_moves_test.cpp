#include "play/key_codes.h"
#include "tests/support/game_fixture.h"

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

struct PairMoves : testing::GameTest, ::testing::WithParamInterface<PairCase> {};

TEST_P(PairMoves, GoWhereTheWayIsFreeAndFollowThePlacementTable) {
    const PairCase& c = GetParam();
    block(c.obstacles);
    putPair(c.card0, c.pivot, c.orientation);
    form.Timer1.setEnabled(true);
    c.key == Tick ? form.Timer1_Timer() : form.Form_KeyDown(c.key);
    EXPECT_EQ(std::vector<int>({form.state.FallingPair[0], form.state.FallingPair[1], form.state.PairOrientation}),
              std::vector<int>({c.card0After, c.pivotAfter, c.orientationAfter}));
    EXPECT_EQ(form.Mas(c.card0After).Face, CardFace::Heart);
    EXPECT_EQ(form.Mas(c.pivotAfter).Face, CardFace::Spade);
    EXPECT_EQ(cardsOnBoard(), static_cast<int>(c.obstacles.size()) + 2);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, PairMoves,
    ::testing::Values(PairCase{"VerticalRightFree", vk::C, 25, 20, 2, {}, 26, 21, 2},
                      PairCase{"CardZeroRightOfPivotMovesLeft", vk::Left, 22, 21, 2, {}, 21, 20, 2},
                      PairCase{"CardZeroRightOfPivotBlocked", vk::Left, 22, 21, 2, {20}, 22, 21, 2},
                      PairCase{"CardZeroRightOfPivotBlockedRight", vk::Right, 23, 22, 2, {24}, 23, 22, 2},
                      PairCase{"AboveFromTopRowDropsARow", vk::Up, 1, 2, 3, {}, 2, 7, 0},
                      PairCase{"AboveFromTopRowBlockedGoesRight", vk::Up, 1, 2, 3, {7}, 3, 2, 1},
                      PairCase{"RightKicksLeft", vk::Up, 17, 22, 0, {23}, 22, 21, 1},
                      PairCase{"RightAtRightWallBlockedGoesBelow", vk::Up, 19, 24, 0, {23}, 29, 24, 2},
                      PairCase{"RightAtLeftWallNoKickGoesBelow", vk::Up, 15, 20, 0, {21}, 25, 20, 2},
                      PairCase{"BelowRefusedOnBottomRow", vk::Up, 48, 47, 1, {}, 46, 47, 3},
                      PairCase{"LeftKicksRight", vk::Up, 27, 22, 2, {21}, 22, 23, 3},
                      PairCase{"LeftAtLeftWallKicks", vk::Up, 5, 0, 2, {}, 0, 1, 3},
                      PairCase{"LeftAtRightWallNoKickGoesAbove", vk::Up, 29, 24, 2, {23}, 19, 24, 0},
                      PairCase{"BoxedInCyclesBack", vk::Up, 7, 2, 2, {1, 3, 12}, 7, 2, 2},
                      PairCase{"LandingVerticalFromRow8", Tick, 44, 39, 2, {}, 49, 44, 2},
                      PairCase{"LandingVerticalPivotFromRow8", Tick, 39, 44, 0, {}, 44, 49, 0},
                      PairCase{"LandingCardZeroAboveFallsOverPartner", Tick, 12, 17, 2, {}, 17, 22, 2},
                      PairCase{"LandingCardZeroBelowOnStackLands", Tick, 22, 17, 2, {27, 32, 37, 42, 47}, 22, 17, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShiftCase {
    const char* name;
    int key, from;
    std::vector<int> obstacles;
    int to;
};

struct TopRowShift : testing::GameTest, ::testing::WithParamInterface<ShiftCase> {};

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

INSTANTIATE_TEST_SUITE_P(Shifts, TopRowShift,
                         ::testing::Values(ShiftCase{"RightJumpsOne", vk::C, 2, {3}, 4},
                                           ShiftCase{"LeftOneCell", vk::Left, 4, {}, 3},
                                           ShiftCase{"RightNeverJumpsTwo", vk::Right, 2, {3, 4}, 2},
                                           ShiftCase{"RightAtWall", vk::Right, 4, {}, 4},
                                           ShiftCase{"LeftJumpsToTheWall", vk::Z, 2, {1}, 0},
                                           ShiftCase{"LeftNeverJumpsTwo", vk::Left, 2, {0, 1}, 2},
                                           ShiftCase{"LeftFromCell1Blocked", vk::Left, 1, {0}, 1},
                                           ShiftCase{"F2WaitsForThePair", vk::F2, 2, {}, 2},
                                           ShiftCase{"NoneOutsideTheTopRow", vk::Left, 5, {}, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tumblehand
