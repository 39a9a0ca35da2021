#include "play/key_codes.h"
#include "play/settle.h"
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
                                           ShiftCase{"F2WaitsForThePair", vk::F2, 2, {}, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FallCase {
    const char *name, *before, *after;
    int passes;
};

struct Settling : testing::GameTest, ::testing::WithParamInterface<FallCase> {};

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
INSTANTIATE_TEST_SUITE_P(
    Fall, Settling,
    ::testing::Values(
        FallCase{"TopCardToBottom", "AS . . . .\n" E E E E E E E E E, E E E E E E E E E "AS . . . .\n", 10},
        FallCase{"OnlyTheHangingHalfDrops", E E E E E ". . JK P3 .\n. . . PG .\n. . . 5C .\n. . . 6C .\n. . 8D 7C .\n",
                 E E E E E ". . . P3 .\n. . . PG .\n. . . 5C .\n. . JK 6C .\n. . 8D 7C .\n", 4},
        FallCase{"BottomRowStays", E E E E E E E E E "KD . QC . .\n", E E E E E E E E E "KD . QC . .\n", 1}),
    [](const auto& info) { return std::string(info.param.name); });
#undef E

// Without gravity (paused, resolving) only F1 and F2 act; the deal-in's keys: TopRowShift in the pair-moves tests.
enum class Phase { Falling, Paused, Idle };
enum class Effect { None, BoardChanged, PauseToggled, NewGame, Question, Closed };

struct KeyCase {
    const char* name;
    Phase phase;
    int key;
    Effect effect;
};

struct KeyDown : testing::GameTest, ::testing::WithParamInterface<KeyCase> {
    void enter(Phase phase) {
        form.Score.Caption = "77";
        form.StopL.Caption = phase == Phase::Paused ? "↓" : "STOP";
        putPair(27, 22);
        form.Timer1.setEnabled(phase == Phase::Falling);
    }

    Effect observe(const std::string& boardBefore, const std::string& stopBefore) const {
        if (platform.closed) return Effect::Closed;
        if (form.Score.Caption == "0") return Effect::NewGame;
        if (!platform.events.empty()) return Effect::Question;
        if (form.StopL.Caption != stopBefore) return Effect::PauseToggled;
        if (boardText(form) != boardBefore) return Effect::BoardChanged;
        return Effect::None;
    }
};

TEST_P(KeyDown, DependOnGravityAndTheDealPhase) {
    const KeyCase& c = GetParam();
    enter(c.phase);
    platform.confirmations.push_back(c.effect == Effect::Closed);  // Esc: "yes" only where it closes
    const std::string board = boardText(form);
    const std::string stop = form.StopL.Caption;
    form.Form_KeyDown(c.key);
    EXPECT_EQ(observe(board, stop), c.effect);
}

// Arrows while a pair falls: whole_game.scn.
INSTANTIATE_TEST_SUITE_P(Keys, KeyDown,
                         ::testing::Values(KeyCase{"FallingSpaceTurns", Phase::Falling, vk::Space,
                                                   Effect::BoardChanged},
                                           KeyCase{"FallingF2", Phase::Falling, vk::F2, Effect::NewGame},
                                           KeyCase{"FallingF1Pauses", Phase::Falling, vk::F1, Effect::PauseToggled},
                                           KeyCase{"FallingEscAsksYes", Phase::Falling, vk::Escape, Effect::Closed},
                                           KeyCase{"PausedLeft", Phase::Paused, vk::Left, Effect::None},
                                           KeyCase{"IdleF2", Phase::Idle, vk::F2, Effect::NewGame}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tumblehand
