#include "harness/temp_folder.h"
#include "sim/bot.h"
#include "sim/options.h"
#include "sim/scenario.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

using namespace tumblehand::sim;

int main(int argc, char** argv) {
    const auto parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<OptionsError>(&parsed)) {
        std::cerr << "tumblehand-sim: " << error->message << "\n(see tumblehand-sim --help)\n";
        return ScenarioFailed;
    }
    const Options& options = std::get<Options>(parsed);
    if (options.help) {
        std::cout << helpText();
        return Passed;
    }

    if (options.botGames && options.file) {
        std::cerr << "tumblehand-sim: --bot takes no scenario file\n";
        return ScenarioFailed;
    }

    std::vector<std::string> lines;
    if (!options.botGames && options.file && *options.file != "-") {
        std::ifstream file(*options.file, std::ios::binary);
        if (!file) {
            std::cerr << "tumblehand-sim: cannot read " << *options.file << '\n';
            return ScenarioFailed;
        }
        lines = readLines(file);
    } else if (!options.botGames) {
        lines = readLines(std::cin);
    }

    std::unique_ptr<tumblehand::TempFolder> temporary;
    std::string folder;
    if (options.folder) {
        folder = *options.folder;
        // MyPath adds its own separator.
        while (folder.size() > 1 && folder.ends_with('/')) folder.pop_back();
        std::error_code ignored;
        if (!std::filesystem::is_directory(folder, ignored)) {
            std::cerr << "tumblehand-sim: not a folder: " << folder << '\n';
            return ScenarioFailed;
        }
    } else {
        temporary = std::make_unique<tumblehand::TempFolder>();
        if (temporary->path().empty()) {
            std::cerr << "tumblehand-sim: cannot create a temporary folder\n";
            return ScenarioFailed;
        }
        folder = temporary->path();
    }

    if (options.botGames) {
        BotOptions bot;
        bot.games = *options.botGames;
        bot.seed = options.seed;
        bot.folder = folder;
        bot.scenarioPath = "tumblehand-bot-failure.scn";
        return runBot(bot, std::cout, std::cerr);
    }

    Session session(folder, options.seed);
    const ExitCode code = runScenario(lines, session, std::cout, std::cerr);
    std::cout.flush();
    return code;
}
