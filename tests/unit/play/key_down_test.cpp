#include "play/key_codes.h"
#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

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
