#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace tumblehand::sim {

/// The command line of tumblehand-sim.
struct Options {
    std::optional<std::string> folder;  ///< --folder DIR; default a fresh temporary folder
    std::uint32_t seed = 1;             ///< --seed N
    std::optional<std::string> file;    ///< the scenario; standard input if none or "-"
    bool help = false;
    std::optional<std::uint64_t> botGames;  ///< --bot GAMES: play that many games with the bot
};

/// Why the arguments are not a command line the runner can run.
struct OptionsError {
    std::string message;
};

/// Parses the arguments after the program name.
std::variant<Options, OptionsError> parseOptions(const std::vector<std::string>& args);

/// The --help text: usage, the commands and the procedures.
std::string helpText();

}  // namespace tumblehand::sim
