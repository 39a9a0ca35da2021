#include "sim/scenario.h"

#include "sim/commands.h"
#include "sim/words.h"

#include <istream>
#include <ostream>

namespace tumblehand::sim {

namespace {

// Prompts hold CR LF; a report stays on its line.
std::string oneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::vector<std::string> readLines(std::istream& in) {
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (line.ends_with('\r')) line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}

ExitCode runScenario(const std::vector<std::string>& lines, Session& session, std::ostream& out, std::ostream& err) {
    int failed = 0;
    std::size_t next = 0;
    while (next < lines.size()) {
        const std::size_t index = next++;
        const int lineNumber = static_cast<int>(index) + 1;
        const std::string& line = lines[index];
        const std::vector<std::string> words = splitWords(line);
        if (words.empty() || words[0].starts_with('#')) continue;
        try {
            const Command* command = findCommand(words[0]);
            if (!command) throw ScenarioError{"unknown command: " + words[0]};
            CommandContext context{session, lines, next, lineNumber, line, words, out, err, failed};
            command->run(context);
        } catch (const ScenarioError& error) {
            err << "line " << (error.line ? error.line : lineNumber) << ": " << error.message << '\n';
            return ScenarioFailed;
        } catch (const ScriptedPlatform::NoAnswer& stop) {
            err << "line " << lineNumber << ": the run stops at " << oneLine(stop.what) << '\n';
            return ScenarioFailed;
        } catch (const std::exception& error) {
            err << "line " << lineNumber << ": the game failed: " << error.what() << '\n';
            return ScenarioFailed;
        } catch (...) {
            err << "line " << lineNumber << ": the game failed\n";
            return ScenarioFailed;
        }
    }
    return failed > 0 ? ExpectFailed : Passed;
}

}  // namespace tumblehand::sim
