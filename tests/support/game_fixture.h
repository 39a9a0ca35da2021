#pragma once

#include "board/form1.h"
#include "harness/board_text.h"
#include "harness/scripted_platform.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tumblehand::testing {

/// A loaded main window with a scripted platform, in a game at level 1 with the rates
/// of a new game.
struct Game {
    ScriptedPlatform platform;
    Form1 form{platform};

    explicit Game(std::string folder = "/nonexistent") : platform(std::move(folder)) {
        form.Form_Load();
        form.state.Level = form.state.ScoreMultiplier = 1;
        form.state.JokerWeight = form.state.PigWeight = 2;
        form.Score.Caption = "0";
    }

    /// Fills the well from the bottom: the rows given are the lowest rows, top first.
    void setBottomRows(std::string_view rows) {
        std::istringstream in{std::string(rows)};
        std::string text;
        int cards = 0;
        for (std::string token; in >> token; ++cards) text += token + " ";
        for (; cards < Board::Cells; ++cards) text = ". " + text;
        setBoard(text);
    }
    /// A board text that does not read stops the test (an ASSERT here would return from
    /// this function only, and the test would go on with half a board).
    void setBoard(std::string_view rows) {
        if (const std::string error = setBoardText(form, rows); !error.empty())
            throw std::invalid_argument(error + " in " + std::string(rows));
    }

    /// The five tokens of the row starting at cell first.
    std::string row(int first) const {
        std::string text;
        for (int i = first; i < first + 5; ++i)
            text += (i > first ? " " : "") + cardTokenOf(form.board.Mas(i).Face, form.board.Num(i).Caption);
        return text;
    }

    /// The two cards of the NEXT frame, as "7C QH".
    std::string next() const {
        return cardTokenOf(form.NextCard[0].Face, form.NextNum[0].Caption) + " " +
               cardTokenOf(form.NextCard[1].Face, form.NextNum[1].Caption);
    }

    /// Paints a falling pair (5 of hearts as card 0, 9 of spades as the pivot).
    void putPair(int card0, int pivot, int orientation = 2) {
        form.NowCard[0].Face = CardFace::Heart;
        form.NowNum[0].Caption = "5";
        form.NowCard[1].Face = CardFace::Spade;
        form.NowNum[1].Caption = "9";
        form.state.FallingPair = {static_cast<std::uint8_t>(card0), static_cast<std::uint8_t>(pivot)};
        form.state.PairOrientation = static_cast<std::uint8_t>(orientation);
        form.Appear();
    }
    /// Fills the cells with clubs, as obstacles.
    void block(const std::vector<int>& cells) {
        for (int cell : cells) putCard(form, cell, *parseCardToken("KC"));
    }
    int cardsOnBoard() const {
        int count = 0;
        for (int i = 0; i < Board::Cells; ++i) count += form.board.isEmpty(i) ? 0 : 1;
        return count;
    }

    void queueRandom(float value, int n = 1) { platform.randomQueue.insert(platform.randomQueue.end(), n, value); }
    /// Queues the random numbers that make Int(r × w) + 1 come out as these codes (56: weights 2 and 2).
    void queueCodes(const std::vector<int>& codes, int w = 56) {
        for (int code : codes) queueRandom((static_cast<float>(code) - 0.5f) / static_cast<float>(w));
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) form.Timer2_Timer();
    }
    /// Runs the resolution ticks until Timer3 stops (at most ten).
    void runBlink() {
        for (int tick = 0; tick < 10 && form.Timer3.Enabled(); ++tick) form.Timer3_Timer();
    }
    /// The texts of the platform events of one kind (cue paths, dialog texts), in order.
    std::vector<std::string> events(PlatformEvent::Kind kind) const {
        std::vector<std::string> texts;
        for (const PlatformEvent& event : platform.events)
            if (event.kind == kind) texts.push_back(event.text);
        return texts;
    }
};

/// The same as a GoogleTest fixture.
struct GameTest : ::testing::Test, Game {};

/// Random numbers that choose the weakest card at an erasing pick, and a random cell.
inline constexpr float WeakestPick = 0.75f;
inline constexpr float RandomPick = 0.25f;
/// The random number that chooses column c (0..4) of the row in a random pick.
inline float column(int c) { return (static_cast<float>(c) + 0.5f) / 5.0f; }

}  // namespace tumblehand::testing
