#pragma once

#include "board/form1.h"

#include <cstdint>
#include <string>

namespace tumblehand::sim {

/// What the invariant checks remember from one event to the next within a game.
struct GameWatch {
    bool paused = false;            ///< the player suspended the game (StopL shows the arrow)
    std::int64_t lastScore = 0;     ///< the score after the previous event
    bool pigWeightBoosted = false;  ///< PigWeight may be 100 until its first change
    bool jokerWeightBoosted = false;
};

/// Arms the watch for a game that Start_Click has just started.
GameWatch watchNewGame(const Form1& form);

/// Checks everything that must hold between events of a running game. Returns the
/// first broken invariant, described for a person, or an empty string.
std::string checkRunningGame(const Form1& form, GameWatch& watch);

/// Checks the records file after a game over: it must read clean and keep its table
/// in descending order. Returns what is wrong, or an empty string.
std::string checkRecordsFile(const std::string& path);

}  // namespace tumblehand::sim
