#include "play/key_codes.h"
#include "play_fixture.h"

namespace tumblehand {
namespace {

struct MoveCase {
    const char* name;
    int key;
    int card0, pivot;
    std::vector<int> obstacles;
    int card0After, pivotAfter;
};

struct Moves : PlayTest, ::testing::WithParamInterface<MoveCase> {};

TEST_P(Moves, GoOneColumnWhenTheWayIsFree) {
    const MoveCase& c = GetParam();
    block(c.obstacles);
    putPair(c.card0, c.pivot);
    form.Timer1.setEnabled(true);
    form.Form_KeyDown(c.key);
    EXPECT_EQ(form.state.FallingPair[0], c.card0After);
    EXPECT_EQ(form.state.FallingPair[1], c.pivotAfter);
    EXPECT_EQ(form.Mas(c.card0After).Face, CardFace::Heart);
    EXPECT_EQ(form.Mas(c.pivotAfter).Face, CardFace::Spade);
    EXPECT_EQ(cardsOnBoard(), static_cast<int>(c.obstacles.size()) + 2);
}

INSTANTIATE_TEST_SUITE_P(Sideways, Moves, ::testing::Values(
    MoveCase{"VerticalAtLeftWall", vk::Left, 25, 20, {}, 25, 20},
    MoveCase{"VerticalRightFree", vk::C, 25, 20, {}, 26, 21},
    MoveCase{"VerticalRightHalfBlocked", vk::Right, 25, 20, {26}, 25, 20},
    MoveCase{"HorizontalLeftCardAtWall", vk::Z, 21, 20, {}, 21, 20},
    MoveCase{"CardZeroRightOfPivotMovesLeft", vk::Left, 22, 21, {}, 21, 20},
    MoveCase{"CardZeroRightOfPivotBlocked", vk::Left, 22, 21, {20}, 22, 21},
    MoveCase{"CardZeroLeftOfPivotMovesLeft", vk::Left, 21, 22, {}, 20, 21},
    MoveCase{"CardZeroLeftOfPivotMovesRight", vk::Right, 21, 22, {}, 22, 23},
    MoveCase{"CardZeroRightOfPivotMovesRight", vk::C, 23, 22, {}, 24, 23},
    MoveCase{"HorizontalAtRightWall", vk::Right, 24, 23, {}, 24, 23},
    MoveCase{"DownRunsOneGravityStep", vk::X, 25, 20, {}, 30, 25}),
    [](const auto& info) { return std::string(info.param.name); });

struct TurnCase {
    const char* name;
    int card0, pivot, orientation;
    std::vector<int> obstacles;
    int card0After, pivotAfter, orientationAfter;
};

struct Turns : PlayTest, ::testing::WithParamInterface<TurnCase> {};

TEST_P(Turns, FollowThePlacementTable) {
    const TurnCase& c = GetParam();
    block(c.obstacles);
    putPair(c.card0, c.pivot, c.orientation);
    form.Timer1.setEnabled(true);
    form.Form_KeyDown(vk::Up);
    EXPECT_EQ(form.state.FallingPair[0], c.card0After);
    EXPECT_EQ(form.state.FallingPair[1], c.pivotAfter);
    EXPECT_EQ(form.state.PairOrientation, c.orientationAfter);
    EXPECT_EQ(form.Mas(c.card0After).Face, CardFace::Heart);
    EXPECT_EQ(form.Mas(c.pivotAfter).Face, CardFace::Spade);
    EXPECT_EQ(cardsOnBoard(), static_cast<int>(c.obstacles.size()) + 2);
}

INSTANTIATE_TEST_SUITE_P(Placements, Turns, ::testing::Values(
    TurnCase{"AboveWithoutTest", 21, 22, 3, {}, 17, 22, 0},
    TurnCase{"AboveFromTopRowDropsARow", 1, 2, 3, {}, 2, 7, 0},
    TurnCase{"AboveFromTopRowBlockedGoesRight", 1, 2, 3, {7}, 3, 2, 1},
    TurnCase{"Right", 17, 22, 0, {}, 23, 22, 1},
    TurnCase{"RightKicksLeft", 17, 22, 0, {23}, 22, 21, 1},
    TurnCase{"RightAtRightWallKicks", 19, 24, 0, {}, 24, 23, 1},
    TurnCase{"RightAtRightWallBlockedGoesBelow", 19, 24, 0, {23}, 29, 24, 2},
    TurnCase{"RightAtLeftWallNoKickGoesBelow", 15, 20, 0, {21}, 25, 20, 2},
    TurnCase{"Below", 23, 22, 1, {}, 27, 22, 2},
    TurnCase{"BelowRefusedOnBottomRow", 48, 47, 1, {}, 46, 47, 3},
    TurnCase{"Left", 27, 22, 2, {}, 21, 22, 3},
    TurnCase{"LeftKicksRight", 27, 22, 2, {21}, 22, 23, 3},
    TurnCase{"LeftAtLeftWallKicks", 5, 0, 2, {}, 0, 1, 3},
    TurnCase{"LeftAtRightWallNoKickGoesAbove", 29, 24, 2, {23}, 19, 24, 0},
    TurnCase{"TopRightCornerGoesLeft", 9, 4, 2, {}, 3, 4, 3},
    TurnCase{"BoxedInCyclesBack", 7, 2, 2, {1, 3, 12}, 7, 2, 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShiftCase {
    const char* name;
    int key;
    int from;
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
