#pragma once

#include <gtest/gtest.h>

#include <vector>
#include <string>
#include <string_view>

#include "board/form1.h"
#include "tools/fake/board_text.h"
#include "tools/fake/fake_platform.h"

namespace tumblehand {

/// A loaded main window with a scripted platform.
struct PlayTest : ::testing::Test {
    FakePlatform platform;
    Form1 form{platform};

    void SetUp() override { form.Form_Load(); }

    void setBoard(std::string_view rows) { ASSERT_EQ(setBoardText(form, rows), ""); }

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

    void ticks(int n) {
        for (int i = 0; i < n; ++i) form.Timer2_Timer();
    }
};

}  // namespace tumblehand
