#include "harness/board_text.h"
#include "harness/temp_folder.h"
#include "sim/bot_invariants.h"
#include "sim/session.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

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
};

// Counted pigs in cells first..end-1.
void deadCells(Form1& form, int first, int end) {
    for (int c = first; c < end; ++c) putCard(form, c, {CardFace::Pig, "3", "3"});
}

TEST(BotInvariants, CatchEveryKindOfBrokenState) {
    // expected: a piece of the report; empty: nothing is broken.
    struct Case {
        const char* name;
        std::function<void(Form1&)> breakIt;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"a falling pair", [](Form1&) {}, ""},
        {"suspended: no timer runs", [](Form1& f) { f.StopL_Click(); }, ""},
        {"pair cells coincide", [](Form1& f) { f.state.FallingPair[0] = f.state.FallingPair[1]; }, "coincide"},
        {"pair off the board", [](Form1& f) { f.state.FallingPair[0] = 50; }, "off the board"},
        {"two timers", [](Form1& f) { f.Timer3.setEnabled(true); }, "2 timers"},
        {"frozen", [](Form1& f) { f.Timer1.setEnabled(false); }, "froze"},
        {"half a dead row", [](Form1& f) { deadCells(f, 45, 48); }, "not a whole dead row"},
        {"dead row in the air", [](Form1& f) { deadCells(f, 40, 45); }, "above a row that is not dead"},
        {"multiplier 17", [](Form1& f) { f.state.ScoreMultiplier = 17; }, "ScoreMultiplier"},
        {"score down", [](Form1& f) { f.Score.Caption = "-1"; }, "went down"},
    };
    for (const Case& c : cases) {
        FallingGame game;
        c.breakIt(game.session.form);
        const std::string report = checkRunningGame(game.session.form, game.watch);
        EXPECT_TRUE(*c.expected == '\0' ? report.empty() : report.find(c.expected) != std::string::npos)
            << c.name << ": " << report;
    }
}

}  // namespace
}  // namespace tumblehand::sim
