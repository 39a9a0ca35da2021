#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace tumblehand {
class Form1;
}

namespace tumblehand::sim {

/// What tumblehand-sim --bot plays.
struct BotOptions {
    std::uint64_t games = 0;
    std::uint32_t seed = 1;
    std::string folder;        ///< program folder: data.dat is kept here from game to game
    std::string scenarioPath;  ///< where a failing game's scenario is written
    /// One more invariant, checked after every event of a running game (for testing the
    /// bot itself): returns what is broken, or an empty string.
    std::function<std::string(const Form1&)> extraCheck;
};

/// Plays complete games with a seeded player, checking the game's invariants after
/// every tick, key and click. Prints one JSON summary line to out. At the first broken
/// invariant it stops, says on err which one and where, writes a scenario that
/// replays the game up to that event, and returns 1; otherwise returns 0.
int runBot(const BotOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tumblehand::sim
