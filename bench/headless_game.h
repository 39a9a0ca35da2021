#pragma once

#include "bench_support.h"
#include "board/form1.h"
#include "play/timer_schedule.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tumblehand::bench {

/// What one game came to.
struct GameOutcome {
    int pairs = 0;            ///< pairs that entered the well
    int ticks = 0;            ///< timer handlers run
    std::int64_t gameMs = 0;  ///< virtual time from START to the end
    bool over = false;        ///< ended with every timer off (game over)
};

/// Which handler a tick ran, for the per-tick observers, in the order of their timers
/// (Timer1, Timer2, Timer3).
enum class TickKind { Gravity, DealIn, Resolution };

/// Whole games without a window: START, then the timer schedule on virtual time,
/// with a simple deterministic player on the keys. The records file lives in a
/// folder of its own, and every input box is answered.
class HeadlessGame {
public:
    /// folder: where data.dat is read and written; seed: the random numbers.
    HeadlessGame(std::string folder, std::uint32_t seed);

    /// Plays one game to its end (or to maxPairs pairs) and returns what happened.
    GameOutcome play(int maxPairs = 5000);

    /// Called around every handler the schedule runs, with the kind of tick and
    /// whether it is a steady one (a gravity tick that only moves the pair, a
    /// deal-in tick that does not end the game).
    std::function<void(TickKind)> beforeTick;
    std::function<void(TickKind, bool steady)> afterTick;

    Form1& form() { return form_; }

private:
    void movePair();

    QuietPlatform platform_;
    Form1 form_;
    TimerSchedule schedule_;
    std::int64_t now_ = 0;
};

}  // namespace tumblehand::bench
