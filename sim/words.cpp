#include "sim/words.h"

#include "sim/scenario_error.h"

#include <charconv>

namespace tumblehand::sim {

namespace {
bool isSpace(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::vector<std::string> splitWords(std::string_view line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSpace(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isSpace(line[i])) ++i;
        if (i > start) words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

std::string restAfterWords(std::string_view line, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t word = 0; word < count; ++word) {
        while (i < line.size() && isSpace(line[i])) ++i;
        while (i < line.size() && !isSpace(line[i])) ++i;
    }
    while (i < line.size() && isSpace(line[i])) ++i;
    return std::string(line.substr(i));
}

std::int64_t parseInteger(const std::string& word, std::int64_t min, std::int64_t max, std::string_view what) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size()) {
        throw ScenarioError{std::string(what) + ": not an integer: " + word};
    }
    if (value < min || value > max) {
        throw ScenarioError{std::string(what) + ": out of range " + std::to_string(min) + ".." + std::to_string(max) +
                            ": " + word};
    }
    return value;
}

}  // namespace tumblehand::sim
