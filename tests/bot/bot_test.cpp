#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "board/numbers.h"
#include "shell/records_file.h"
#include "tools/fake/board_text.h"
#include "sim/bot.h"
#include "sim/bot_invariants.h"
#include "sim/scenario.h"
#include "sim/session.h"
#include "sim/temp_folder.h"

namespace tumblehand::sim {
namespace {

// A game started and run on virtual time until its first pair falls.
struct FallingGame {
    TempFolder folder;
    Session session{folder.path(), 5};
    GameWatch watch;

    FallingGame() {
        Form1& form = session.form;
        form.Form_Load();
        form.Start_Click();
        session.schedule.sync(0);
        while (!form.Timer1.Enabled()) {
            session.time = *session.schedule.nextDue();
            session.schedule.fireNext(session.time);
        }
        watch = watchNewGame(form);
    }
    Form1& form() { return session.form; }
    std::string check() { return checkRunningGame(session.form, watch); }
};

TEST(BotInvariants, CatchEveryKindOfBrokenState) {
    struct Case {
        const char* name;
        std::function<void(Form1&)> breakIt;
        const char* expected;  // a piece of the report; empty: nothing is broken
    };
    const std::vector<Case> cases = {
        {"a falling pair", [](Form1&) {}, ""},
        {"suspended: no timer runs", [](Form1& f) { f.StopL_Click(); }, ""},
        {"pair cells coincide", [](Form1& f) { f.state.FallingPair[0] = f.state.FallingPair[1]; }, "coincide"},
        {"pair apart", [](Form1& f) { f.state.PairOrientation = 1; }, "orientation"},
        {"pair wraps a row", [](Form1& f) {
             f.Cleanen();
             f.state.FallingPair = {5, 4};
             f.state.PairOrientation = 1;
             f.Appear();
         }, "orientation"},
        {"pair off the board", [](Form1& f) { f.state.FallingPair[0] = 50; }, "off the board"},
        {"NOW card not shown", [](Form1& f) { f.Num(f.state.FallingPair[1]).Caption = "?"; }, "not shown"},
        {"two timers", [](Form1& f) { f.Timer3.setEnabled(true); }, "2 timers"},
        {"frozen", [](Form1& f) { f.Timer1.setEnabled(false); }, "froze"},
        {"joker with a rank", [](Form1& f) { putCard(f, 47, {CardFace::Joker, "K", ""}); }, "cell 47"},
        {"rank without a suit", [](Form1& f) { putCard(f, 47, {CardFace::Empty, "7", ""}); }, "cell 47"},
        {"back on the board", [](Form1& f) { putCard(f, 47, {CardFace::Back, "", ""}); }, "cell 47"},
        {"bad rank", [](Form1& f) { putCard(f, 47, {CardFace::Heart, "11", ""}); }, "cell 47"},
        {"half a dead row", [](Form1& f) {
             for (int c = 45; c < 48; ++c) putCard(f, c, {CardFace::Pig, "3", "3"});
         }, "not a whole dead row"},
        {"dead row in the air", [](Form1& f) {
             for (int c = 40; c < 45; ++c) putCard(f, c, {CardFace::Pig, "3", "3"});
         }, "above a row that is not dead"},
        {"multiplier 17", [](Form1& f) { f.state.ScoreMultiplier = 17; }, "ScoreMultiplier"},
        {"multiplier 0", [](Form1& f) { f.state.ScoreMultiplier = 0; }, "ScoreMultiplier"},
        {"pig weight 11", [](Form1& f) { f.state.PigWeight = 11; }, "PigWeight"},
        {"joker weight 1", [](Form1& f) { f.state.JokerWeight = 1; }, "JokerWeight"},
        {"unboosted weight 100", [](Form1& f) { f.state.JokerWeight = 100; }, "JokerWeight"},
        {"level 11", [](Form1& f) { f.state.Level = 11; }, "Level"},
        {"level 0", [](Form1& f) { f.state.Level = 0; }, "Level"},
        {"gravity 99", [](Form1& f) { f.state.GravityInterval = 99; }, "GravityInterval"},
        {"gravity 1011", [](Form1& f) { f.state.GravityInterval = 1011; }, "GravityInterval"},
        {"score text", [](Form1& f) { f.Score.Caption = "12p"; }, "not a number"},
        {"score down", [](Form1& f) { f.Score.Caption = "-1"; }, "went down"},
    };
    for (const Case& c : cases) {
        FallingGame game;
        c.breakIt(game.form());
        const std::string report = game.check();
        EXPECT_TRUE(*c.expected == '\0' ? report.empty() : report.find(c.expected) != std::string::npos)
            << c.name << ": " << report;
    }
}

// A boosted weight is 100 only until it first changes; the score may only rise.
TEST(BotInvariants, JudgeEachChangeAgainstTheGameSoFar) {
    FallingGame game;
    GameState& state = game.form().state;
    state.PigWeight = 100;
    game.watch = watchNewGame(game.form());
    EXPECT_EQ(game.check(), "");
    state.PigWeight = 10;
    game.form().Score.Caption = "500";
    EXPECT_EQ(game.check(), "");
    state.PigWeight = 100;
    EXPECT_NE(game.check().find("PigWeight"), std::string::npos);
    state.PigWeight = 10;
    game.form().Score.Caption = "499";
    EXPECT_NE(game.check().find("from 500 to 499"), std::string::npos);
}

TEST(BotInvariants, TheRecordsFileMustReadCleanAndInOrder) {
    TempFolder folder;
    const std::string path = folder.path() + "/data.dat";
    Records records;
    records.scores[0] = {"900", true};
    records.scores[1] = {"800", false};
    ASSERT_EQ(saveRecordsFile(path, records, RecordsStatus::Missing).error, "");
    EXPECT_EQ(checkRecordsFile(path), "");

    records.scores[2] = {"850", true};
    ASSERT_EQ(saveRecordsFile(path, records, RecordsStatus::Ok).error, "");
    EXPECT_NE(checkRecordsFile(path).find("place 3 (850) above place 2 (800)"), std::string::npos);

    std::ofstream(path, std::ios::binary | std::ios::trunc) << "1,\"a\"\r\n";
    EXPECT_NE(checkRecordsFile(path).find("does not read clean"), std::string::npos);
}

BotOptions optionsIn(const TempFolder& folder, std::uint64_t games, std::uint32_t seed) {
    BotOptions options;
    options.games = games;
    options.seed = seed;
    options.folder = folder.path();
    options.scenarioPath = folder.path() + "/failure.scn";
    return options;
}

// The summary line without its timing, and the exit code.
std::string botSummary(std::uint32_t seed, std::uint64_t games, int& code) {
    TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    code = runBot(optionsIn(folder, games, seed), out, err);
    EXPECT_EQ(err.str(), "");
    return std::regex_replace(out.str(), std::regex(",\"seconds\":.*,\"violations\""), ",\"violations\"");
}

TEST(Bot, PlaysTheSameGamesForTheSameSeed) {
    int code = -1;
    const std::string first = botSummary(21, 40, code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(botSummary(21, 40, code), first);
    EXPECT_NE(botSummary(22, 40, code), first);
}

TEST(Bot, PlaysWholeGamesThatEndInTheRecords) {
    TempFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runBot(optionsIn(folder, 60, 3), out, err), 0) << err.str();
    // Every game ended in a game over that wrote the table with the bot's name in it.
    const RecordsRead read = readRecordsFile(folder.path() + "/data.dat");
    ASSERT_EQ(read.status, RecordsStatus::Ok);
    EXPECT_EQ(read.records.names[0], "Bot");
    EXPECT_GT(read.records.scores[0].value(), 0);
    // One pairs are by far the commonest hand; sixty games make plenty.
    const std::string summary = out.str();
    std::smatch onePairs;
    ASSERT_TRUE(std::regex_search(summary, onePairs, std::regex("\"hands\":\\[([0-9]+),")));
    EXPECT_GT(std::stoi(onePairs[1].str()), 10) << summary;
}

// A violation stops the bot; the scenario it writes, run by the runner, ends in the
// very state that broke the invariant.
TEST(Bot, WritesAScenarioThatReplaysTheBrokenGame) {
    TempFolder folder;
    BotOptions options = optionsIn(folder, 500, 9);
    std::string boardAtFailure;
    std::string scoreAtFailure;
    // A stand-in invariant that a long chain breaks.
    options.extraCheck = [&](const Form1& form) -> std::string {
        if (form.state.ComboCount < 3) return {};
        boardAtFailure = boardText(form);
        scoreAtFailure = form.Score.Caption;
        return "a chain of three";
    };
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runBot(options, out, err), 1);
    EXPECT_NE(out.str().find("\"violations\":1}"), std::string::npos) << out.str();
    std::smatch where;
    const std::string report = err.str();
    ASSERT_TRUE(std::regex_search(report, where, std::regex("seed 9, game ([0-9]+), event ([0-9]+): a chain of three")))
        << report;

    std::ifstream file(options.scenarioPath);
    std::vector<std::string> lines = readLines(file);
    ASSERT_GT(lines.size(), 3u);
    std::smatch seed;
    ASSERT_TRUE(std::regex_search(lines[2], seed, std::regex("--seed ([0-9]+) ")));
    EXPECT_NE(lines[1].find("a chain of three"), std::string::npos);

    // The replay starts from the records file as that game found it.
    TempFolder replayFolder;
    Session replay(replayFolder.path(), static_cast<std::uint32_t>(std::stoul(seed[1].str())));
    std::ostringstream replayOut;
    std::ostringstream replayErr;
    ASSERT_EQ(runScenario(lines, replay, replayOut, replayErr), Passed) << replayErr.str();
    EXPECT_EQ(replay.form.state.ComboCount, 3);
    EXPECT_EQ(boardText(replay.form), boardAtFailure);
    EXPECT_EQ(replay.form.Score.Caption, scoreAtFailure);
}

}  // namespace
}  // namespace tumblehand::sim
