#include "sim/options.h"

#include "sim/commands.h"
#include "sim/labels.h"
#include "sim/procedures.h"
#include "sim/state_fields.h"

#include <charconv>

namespace tumblehand::sim {

std::variant<Options, OptionsError> parseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--folder" || arg == "--seed") {
            if (i + 1 == args.size()) {
                return OptionsError{arg + " needs a value"};
            }
            const std::string& value = args[++i];
            if (arg == "--folder") {
                if (value.empty()) {
                    return OptionsError{"--folder needs a folder"};
                }
                options.folder = value;
            } else {
                std::uint32_t seed = 0;
                const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), seed);
                if (failure != std::errc{} || end != value.data() + value.size()) {
                    return OptionsError{"--seed needs a number 0..4294967295: " + value};
                }
                options.seed = seed;
            }
        } else if (arg == "--bot") {
            std::uint64_t games = 0;
            const std::string value = i + 1 < args.size() ? args[++i] : std::string();
            const auto [end, failure] = std::from_chars(value.data(), value.data() + value.size(), games);
            if (value.empty() || failure != std::errc{} || end != value.data() + value.size() || games == 0) {
                return OptionsError{"--bot needs a number of games: " + value};
            }
            options.botGames = games;
        } else if (arg.starts_with("-") && arg != "-") {
            return OptionsError{"unknown option: " + arg};
        } else if (options.file) {
            return OptionsError{"more than one scenario file: " + arg};
        } else {
            options.file = arg;
        }
    }
    return options;
}

std::string helpText() {
    std::string text =
        "usage: tumblehand-sim [--folder DIR] [--seed N] [FILE]\n"
        "       tumblehand-sim --bot GAMES [--seed N] [--folder DIR]\n"
        "\n"
        "Runs a scenario (FILE, or standard input) against a fresh game window on a\n"
        "scripted platform and virtual time. --folder is the program folder where\n"
        "data.dat and sound/ are looked up (default: a fresh temporary folder, removed\n"
        "at exit); --seed seeds the random generator (default 1).\n"
        "\n"
        "--bot GAMES plays that many whole games with a seeded player (seed N), checking\n"
        "the game's invariants after every tick, key and click, and prints a JSON summary.\n"
        "data.dat is kept in --folder from game to game. At the first broken invariant it\n"
        "stops with exit code 1 and writes tumblehand-bot-failure.scn, a scenario that\n"
        "replays that game.\n"
        "\n"
        "One command per line; blank lines and lines starting with # are ignored.\n"
        "Cards: . empty, AS 10H QD 7C (ranks A 2..10 J Q K, suits S H D C), JK joker,\n"
        "PG pig card, P3 P0 P-2 counted pig, BK card back.\n"
        "\n"
        "Commands:\n";
    for (const Command& command : commands()) {
        text += "  " + command.usage + "\n      " + command.help + "\n";
    }
    text += "\nLabels:";
    for (auto name : LabelNames) text += " " + std::string(name);
    text += ", and Chusi (the menu caption)\n\nState fields:";
    for (const std::string& name : stateFieldNames()) text += " " + name;
    text += "\n\nProcedures (call):\n";
    for (const Procedure& procedure : procedures()) {
        text += "  " + procedure.name;
        for (const Parameter& p : procedure.parameters) {
            text += " " + p.name + "(" + std::to_string(p.min) + ".." + std::to_string(p.max) + ")";
        }
        text += "\n";
    }
    text +=
        "\nMessage boxes are answered OK. An input box or question with no queued answer\n"
        "stops the run. Exit status: 0 every expect held, 1 an expect failed,\n"
        "2 a scenario error or an unanswered dialog (reported as \"line N: ...\").\n";
    return text;
}

}  // namespace tumblehand::sim
