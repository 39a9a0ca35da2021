// Feeds arbitrary bytes to the scenario runner as a scenario, against a fresh window in
// a fresh program folder. Whatever the text says, the runner must end with one of its
// exit codes: a scenario mistake is reported, never a crash.
#include "harness/temp_folder.h"
#include "sim/scenario.h"
#include "sim/words.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

using namespace tumblehand;

namespace {

// A scenario may ask for a day of virtual time with a 1 ms timer: correct, but tens of
// millions of ticks per input would stall the fuzzer, so each run is shortened.
constexpr long long MaxRunPerLine = 20000;

void boundRuns(std::vector<std::string>& lines) {
    for (std::string& line : lines) {
        const std::vector<std::string> words = sim::splitWords(line);
        if (words.size() != 2 || words[0] != "run") continue;
        const std::string& ms = words[1];
        if (ms.size() > 5 || (ms.size() == 5 && ms > std::to_string(MaxRunPerLine)))
            line = "run " + std::to_string(MaxRunPerLine);
    }
}

void emptyFolder(const std::string& folder) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}

// Stops the run with a message libFuzzer keeps beside the crashing input.
[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TempFolder scratch;  // one per fuzzing process, removed at exit
    const std::string& folder = scratch.path();
    emptyFolder(folder);

    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> lines = sim::readLines(in);
    boundRuns(lines);

    sim::Session session(folder, 1);
    std::ostringstream out;
    std::ostringstream err;
    const sim::ExitCode code = sim::runScenario(lines, session, out, err);
    if (code != sim::Passed && code != sim::ExpectFailed && code != sim::ScenarioFailed)
        fail("the runner returned an unknown exit code");
    if (code == sim::ScenarioFailed && err.str().empty()) fail("the runner failed without saying why");
    return 0;
}
