#pragma once

#include <string>

namespace tumblehand::sim {

/// A mistake in the scenario itself, reported with its line number.
struct ScenarioError {
    std::string message;
    int line = 0;  ///< the line at fault when it is not the command's own line
};

}  // namespace tumblehand::sim
