#include "sim/bot.h"

#include "board/numbers.h"
#include "play/key_codes.h"
#include "shell/records_location.h"
#include "sim/bot_invariants.h"
#include "sim/bot_player.h"
#include "sim/dump_json.h"
#include "sim/session.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

namespace tumblehand::sim {

namespace {

constexpr const char* BotName = "Bot";
// No game of pairs falling at 100 ms lasts anywhere near this long.
constexpr std::uint64_t MaxEventsPerGame = 5'000'000;

std::uint32_t gameSeed(std::uint32_t seed, std::uint64_t game) {
    // splitmix64: every game its own well-spread seed.
    std::uint64_t z = (std::uint64_t{seed} << 32 ^ game) + 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<std::uint32_t>(z ^ (z >> 31));
}

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// The scenario lines that replay one game: time runs are merged up to the next key.
class Recorder {
public:
    void line(std::string text) {
        flushRun();
        lines_.push_back(std::move(text));
    }
    void run(std::int64_t ms) { pendingRun_ += ms; }
    void flushRun() {
        if (pendingRun_ > 0) lines_.push_back("run " + std::to_string(pendingRun_));
        pendingRun_ = 0;
    }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    std::int64_t pendingRun_ = 0;
};

struct Totals {
    std::uint64_t games = 0;
    std::uint64_t pairs = 0;
    std::array<std::uint64_t, 11> hands{};
    std::int32_t longestChain = 0;
    std::int64_t bestScore = 0;
    double scoreSum = 0;
    std::uint64_t events = 0;
};

struct Violation {
    std::uint64_t event = 0;
    std::string invariant;
};

struct GameSetup {
    std::uint64_t index = 0;
    std::uint32_t seed = 0;
    bool pigBoost = false;
    bool jokerBoost = false;
    std::string dataFile;  ///< data.dat as the game found it; empty if there was none
};

/// One game from Start_Click to GAMEOVER on a fresh window, recorded as a scenario.
class Game {
public:
    Game(const GameSetup& setup, const BotOptions& options, Totals& totals)
        : setup_(setup),
          options_(options),
          session_(options.folder, setup.seed),
          player_(setup.seed ^ 0x5EED0B07u),
          totals_(totals) {}

    std::optional<Violation> play();
    const Recorder& recorder() const { return recorder_; }

private:
    Form1& form() { return session_.form; }
    void sync() { session_.schedule.sync(session_.time); }
    void click(const std::string& procedure, void (Form1::*handler)());
    std::string step();
    std::string afterEvent();
    bool gameOverShown();

    const GameSetup& setup_;
    const BotOptions& options_;
    Session session_;
    BotPlayer player_;
    Totals& totals_;
    Recorder recorder_;
    GameWatch watch_;
    std::uint64_t events_ = 0;
    std::size_t eventsSeen_ = 0;
    std::int32_t combo_ = 0;
    bool over_ = false;
};

void Game::click(const std::string& procedure, void (Form1::*handler)()) {
    recorder_.line("call " + procedure);
    (form().*handler)();
    sync();
}

bool Game::gameOverShown() {
    const auto& events = session_.platform.events;
    bool shown = false;
    for (; eventsSeen_ < events.size(); ++eventsSeen_) {
        const PlatformEvent& e = events[eventsSeen_];
        if (e.kind == PlatformEvent::Kind::MsgBox && e.text == "GAMEOVER") shown = true;
    }
    return shown;
}

// One tick, key or click, and what it left.
std::string Game::step() {
    Form1& f = form();
    const BotAction action = player_.next(f);
    const bool dealingIn = f.Timer2.Enabled();
    if (action.kind == BotAction::Kind::Key) {
        const bool restarts = action.keyCode == vk::F2 && (f.Timer1.Enabled() || f.state.DealPhase != 1);
        if (action.keyCode == vk::Escape && f.Timer1.Enabled()) {
            recorder_.line("confirm no");
            session_.platform.confirmations.push_back(false);
        }
        recorder_.line("key " + std::to_string(action.keyCode));
        f.Form_KeyDown(action.keyCode);
        sync();
        if (restarts) {
            watch_ = watchNewGame(f);
            combo_ = 0;
        }
    } else {
        const std::optional<std::int64_t> due = session_.schedule.nextDue();
        if (!due) return "no timer is due, yet the game neither ended nor is suspended";
        recorder_.run(*due - session_.time);
        session_.time = *due;
        session_.schedule.fireNext(session_.time);
    }
    if (dealingIn && !f.Timer2.Enabled() && f.Timer1.Enabled()) ++totals_.pairs;
    return afterEvent();
}

std::string Game::afterEvent() {
    Form1& f = form();
    ++events_;
    ++totals_.events;
    if (f.state.ComboCount > combo_) {
        const std::size_t hand = std::min<std::size_t>(f.state.ResolvedHand, 10);
        totals_.hands[hand] += static_cast<std::uint64_t>(f.state.ComboCount - combo_);
        totals_.longestChain = std::max(totals_.longestChain, f.state.ComboCount);
    }
    combo_ = f.state.ComboCount;

    if (gameOverShown()) {
        over_ = true;
        if (f.timerRuns()) {
            return "a timer still runs after the game over";
        }
        return checkRecordsFile(f.MyPath() + RecordsFileName);
    }
    if (events_ > MaxEventsPerGame)
        return "the game did not end within " + std::to_string(MaxEventsPerGame) + " events";
    std::string broken = checkRunningGame(f, watch_);
    if (broken.empty() && options_.extraCheck) broken = options_.extraCheck(f);
    return broken;
}

std::optional<Violation> Game::play() {
    if (!setup_.dataFile.empty()) {
        // The records as the game found them, line by line (the runner ends each with CR LF).
        recorder_.line("datafile");
        std::istringstream lines(setup_.dataFile);
        for (std::string line; std::getline(lines, line);) {
            if (line.ends_with('\r')) line.pop_back();
            recorder_.line(line);
        }
        recorder_.line("end");
    }
    Form1& f = form();
    click("Form_Load", &Form1::Form_Load);
    if (setup_.pigBoost) click("Label4_DragDrop", &Form1::Label4_DragDrop);
    if (setup_.jokerBoost) {
        // The drop arms the joker boost only for a best score above 500000; below
        // that the flag is armed directly, as the drop would.
        click("Label3_DragDrop", &Form1::Label3_DragDrop);
        if (!f.state.JokerBoost) {
            recorder_.line("set JokerBoost true");
            f.state.JokerBoost = true;
        }
    }
    for (int i = 0; i < 3; ++i) {
        recorder_.line(std::string("answer ") + BotName);
        session_.platform.answers.push_back(BotName);
    }
    click("Start_Click", &Form1::Start_Click);
    watch_ = watchNewGame(f);

    std::string broken = afterEvent();
    while (broken.empty() && !over_) {
        try {
            broken = step();
        } catch (const ScriptedPlatform::NoAnswer& stop) {
            broken = "the game asked something the bot was not asked to answer: " + stop.what;
        } catch (const std::exception& error) {
            broken = std::string("the game failed: ") + error.what();
        }
    }
    recorder_.flushRun();
    if (!broken.empty()) return Violation{events_, broken};

    const std::int64_t score = leadingNumber(f.Score.Caption);
    ++totals_.games;
    totals_.scoreSum += static_cast<double>(score);
    totals_.bestScore = std::max(totals_.bestScore, score);
    return std::nullopt;
}

void writeScenario(const std::string& path, const BotOptions& options, const GameSetup& setup,
                   const Violation& violation, const Recorder& recorder) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "# Replays game " << setup.index << " of tumblehand-sim --bot (seed " << options.seed << ") up to event "
        << violation.event << ", where this broke:\n"
        << "#   " << violation.invariant << "\n"
        << "# Run it with: tumblehand-sim --seed " << setup.seed << " " << path << "\n";
    for (const std::string& line : recorder.lines()) out << line << '\n';
    out << "dump\n";
}

// A figure to so many decimal places. The JSON text of a double is the shortest that
// reads back the same, so 110539.7 prints as 110539.7.
double roundedTo(double value, int places) {
    const double scale = std::pow(10.0, places);
    return std::round(value * scale) / scale;
}

std::string summaryLine(const Totals& t, double seconds, int violations) {
    const double meanScore = t.games ? t.scoreSum / static_cast<double>(t.games) : 0.0;
    const double gamesPerSecond = seconds > 0 ? static_cast<double>(t.games) / seconds : 0.0;
    const Json summary = {{"games", t.games},
                          {"pairs", t.pairs},
                          {"hands", t.hands},
                          {"longestChain", t.longestChain},
                          {"bestScore", t.bestScore},
                          {"meanScore", roundedTo(meanScore, 1)},
                          {"events", t.events},
                          {"seconds", roundedTo(seconds, 3)},
                          {"gamesPerSecond", roundedTo(gamesPerSecond, 1)},
                          {"violations", violations}};
    return jsonLine(summary);
}

}  // namespace

int runBot(const BotOptions& options, std::ostream& out, std::ostream& err) {
    const auto start = std::chrono::steady_clock::now();
    Totals totals;
    const std::string dataPath = (std::filesystem::path(options.folder) / RecordsFileName).string();
    int violations = 0;

    for (std::uint64_t game = 1; game <= options.games; ++game) {
        GameSetup setup;
        setup.index = game;
        setup.seed = gameSeed(options.seed, game);
        // One game in eight with each boost armed, some with both.
        setup.pigBoost = setup.seed % 8 == 3 || setup.seed % 16 == 5;
        setup.jokerBoost = (setup.seed >> 8) % 8 == 3 || setup.seed % 16 == 5;
        setup.dataFile = readWholeFile(dataPath);

        Game played(setup, options, totals);
        const std::optional<Violation> violation = played.play();
        if (violation) {
            violations = 1;
            writeScenario(options.scenarioPath, options, setup, *violation, played.recorder());
            err << "tumblehand-sim --bot: seed " << options.seed << ", game " << game << ", event " << violation->event
                << ": " << violation->invariant << "\n"
                << "  scenario: " << options.scenarioPath << " (run with --seed " << setup.seed << ")\n";
            break;
        }
    }

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    out << summaryLine(totals, seconds, violations) << '\n';
    return violations ? 1 : 0;
}

}  // namespace tumblehand::sim
