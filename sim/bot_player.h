#pragma once

#include "board/form1.h"

#include <cstdint>
#include <deque>
#include <random>

namespace tumblehand::sim {

/// One thing the bot does next: press a key, or let virtual time run to the next tick.
struct BotAction {
    enum class Kind { Tick, Key };
    Kind kind = Kind::Tick;
    int keyCode = 0;
};

/// A seeded player. For each falling pair it picks a few turns, a column and whether
/// to drop it or let it fall; it shifts the entering card now and then, and sometimes
/// suspends and resumes, presses keys that mean nothing at the moment, asks to quit
/// and says no, or starts over with F2.
class BotPlayer {
public:
    explicit BotPlayer(std::uint32_t seed) : random_(seed) {}

    BotAction next(const Form1& form);

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    BotAction key(int code) { return {BotAction::Kind::Key, code}; }
    void planPair(const Form1& form);
    int anyKey();

    std::mt19937 random_;
    bool planned_ = false;  ///< the pair now falling has its plan
    bool hardDrop_ = false;
    int pauseKeys_ = 0;  ///< keys still to press while suspended
    std::deque<int> plan_;
};

}  // namespace tumblehand::sim
