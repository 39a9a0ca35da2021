#pragma once

#include "sim/scenario_error.h"
#include "sim/session.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tumblehand::sim {

/// Exit codes of the runner.
enum ExitCode : int { Passed = 0, ExpectFailed = 1, ScenarioFailed = 2 };

/// The lines of a scenario, with any CR of a CR LF line end removed.
std::vector<std::string> readLines(std::istream& in);

/// Runs the scenario against the session: dumps go to out, mismatches and errors to
/// err as "line N: ...". Returns Passed, ExpectFailed (after the whole scenario) or
/// ScenarioFailed (at the first error, or an unanswered dialog).
ExitCode runScenario(const std::vector<std::string>& lines, Session& session, std::ostream& out, std::ostream& err);

}  // namespace tumblehand::sim
