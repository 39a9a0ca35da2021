#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tumblehand::sim {

/// The words of a line, separated by spaces or tabs.
std::vector<std::string> splitWords(std::string_view line);

/// What follows the first count words of a line and the spaces after them, as
/// written (a caption, an answer, a value to expect); empty if nothing follows.
std::string restAfterWords(std::string_view line, std::size_t count);

/// A decimal integer within [min, max]; throws ScenarioError naming what.
std::int64_t parseInteger(const std::string& word, std::int64_t min, std::int64_t max, std::string_view what);

}  // namespace tumblehand::sim
