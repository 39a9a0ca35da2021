#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "board/form1.h"
#include "tools/fake/board_text.h"
#include "tools/fake/fake_platform.h"

namespace tumblehand::testing {

/// A window in a game at level 1 with the rates of a new game, ready for a board.
struct Table {
    FakePlatform platform;
    Form1 form{platform};

    Table() {
        form.Form_Load();
        form.state.Level = form.state.ScoreMultiplier = 1;
        form.state.JokerWeight = form.state.PigWeight = 2;
        form.state.ComboCount = 0;
        form.Score.Caption = "0";
    }

    /// Fills the well from the bottom: the rows given are the lowest rows, top first,
    /// and every row above them is empty.
    void setBottomRows(std::string_view rows) {
        std::istringstream in{std::string(rows)};
        std::vector<std::string> tokens;
        for (std::string token; in >> token;) tokens.push_back(token);
        ASSERT_EQ(tokens.size() % 5, 0u) << rows;
        std::string text;
        for (std::size_t i = tokens.size(); i < 50; ++i) text += ". ";
        for (const std::string& token : tokens) text += token + " ";
        ASSERT_EQ(setBoardText(form, text), "");
    }

    /// The five tokens of the row starting at cell first, separated by single spaces.
    std::string row(int first) const {
        std::string text;
        for (int i = first; i < first + 5; ++i)
            text += (i > first ? " " : "") + cardTokenOf(form.board.Mas(i).Face, form.board.Num(i).Caption);
        return text;
    }

    /// Queues the same random number n times.
    void queueRandom(float value, int n = 1) { platform.randomQueue.insert(platform.randomQueue.end(), n, value); }

    /// The cue paths played so far, in order.
    std::vector<std::string> cues() const {
        std::vector<std::string> paths;
        for (const PlatformEvent& event : platform.events)
            if (event.kind == PlatformEvent::Kind::PlayCue) paths.push_back(event.text);
        return paths;
    }

    /// Runs the resolution ticks until Timer3 stops (at most ten).
    void runBlink() {
        for (int tick = 0; tick < 10 && form.Timer3.Enabled(); ++tick) form.Timer3_Timer();
    }
};

/// Random numbers that choose the weakest card at an erasing pick, and a random cell.
inline constexpr float WeakestPick = 0.75f;
inline constexpr float RandomPick = 0.25f;
/// The random number that chooses column c (0..4) of the row in a random pick.
inline float column(int c) { return (static_cast<float>(c) + 0.5f) / 5.0f; }

inline bool endsWith(const std::string& text, std::string_view tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace tumblehand::testing
