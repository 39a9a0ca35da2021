#include "sim/bot_player.h"

#include "play/key_codes.h"

namespace tumblehand::sim {

namespace {

constexpr int LeftKeys[] = {vk::Left, vk::Z};
constexpr int RightKeys[] = {vk::Right, vk::C};
constexpr int DownKeys[] = {vk::Down, vk::X};
constexpr int TurnKeys[] = {vk::Up, vk::Space, vk::S};

}  // namespace

int BotPlayer::anyKey() {
    // Keys of every map, and some that no map knows; never Esc (it asks a question
    // that only a falling pair can get) and never F2 (the caller decides restarts).
    static constexpr int Keys[] = {vk::Left, vk::Right, vk::Up, vk::Down, vk::Space, vk::Z, vk::C,
                                   vk::X,    vk::S,     vk::F1, 13,       65,        0,     255};
    return Keys[pick(static_cast<int>(std::size(Keys)))];
}

void BotPlayer::planPair(const Form1& form) {
    plan_.clear();
    const int turns = pick(6) < 3 ? 0 : pick(4);
    for (int i = 0; i < turns; ++i) plan_.push_back(TurnKeys[pick(3)]);
    const int column = form.state.FallingPair[1] % 5;
    const int target = pick(5);
    for (int c = column; c < target; ++c) plan_.push_back(RightKeys[pick(2)]);
    for (int c = column; c > target; --c) plan_.push_back(LeftKeys[pick(2)]);
    // Now and then a turn after the move, where walls and stacks make it kick.
    if (chance(0.2)) plan_.push_back(TurnKeys[pick(3)]);
    hardDrop_ = chance(0.7);
    planned_ = true;
}

BotAction BotPlayer::next(const Form1& form) {
    if (!form.timerRuns()) {
        // Keys while suspended mean nothing but F1, which resumes, and F2, which
        // starts a new game.
        if (chance(0.02)) return key(vk::F2);
        if (pauseKeys_ > 0) {
            --pauseKeys_;
            return key(anyKey());
        }
        return key(vk::F1);
    }
    if (chance(0.0002)) return key(vk::F2);

    if (form.Timer1.Enabled()) {  // a pair falls
        if (!planned_) planPair(form);
        if (chance(0.004)) {
            pauseKeys_ = pick(3);
            return key(vk::F1);
        }
        if (chance(0.001)) return key(vk::Escape);
        if (!plan_.empty()) {
            if (chance(0.15)) return {};  // gravity acts between two keys
            const int code = plan_.front();
            plan_.pop_front();
            return key(code);
        }
        if (hardDrop_ && chance(0.9)) return key(DownKeys[pick(2)]);
        if (!hardDrop_ && chance(0.05)) return key(TurnKeys[pick(3)]);
        return {};
    }

    planned_ = false;
    if (form.state.DealPhase == 1 && form.Timer2.Enabled()) {
        if (chance(0.12)) return key(chance(0.5) ? LeftKeys[pick(2)] : RightKeys[pick(2)]);
        return {};
    }
    if (chance(0.01)) return key(anyKey());
    return {};
}

}  // namespace tumblehand::sim
