#pragma once

#include "sim/session.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tumblehand::sim {

/// What a command sees: its line, its words and the lines after it (board and
/// datafile read their blocks from there and move next past them).
struct CommandContext {
    Session& session;
    const std::vector<std::string>& lines;
    std::size_t& next;  ///< index of the first line after the command
    int lineNumber;
    const std::string& line;
    const std::vector<std::string>& words;  ///< words[0] is the command
    std::ostream& out;
    std::ostream& err;
    int& failedExpectations;
};

/// A scenario command. Throws ScenarioError for a mistake in the scenario.
struct Command {
    std::string name;
    std::string usage;
    std::string help;
    void (*run)(CommandContext&);
};

/// Every command, in the order the help lists them.
const std::vector<Command>& commands();

/// The command of that name, or null.
const Command* findCommand(std::string_view name);

}  // namespace tumblehand::sim
