#pragma once

#include "board/controls.h"
#include "hands/hand_table.h"

#include <array>

namespace tumblehand {

/// The hand table window's model: a fixed table of the hands with their points, the
/// cards they use up and their effects, as labels, and the rules between its columns.
/// Positions are twips in the window's client area. The game never changes it.
struct Form2 {
    static constexpr int ScaleWidth = 5910;
    static constexpr int ScaleHeight = 4470;

    /// One line of the table.
    struct Row {
        Label hand;
        Label points;
        Label cards;  ///< cards used up
        Label effect;
        Label effectSecondLine;  ///< empty unless the effect wraps
    };

    /// The window as designed.
    Form2();

    Label handHeading;
    Label pointsHeading;
    Label cardsHeading;
    Label effectHeading;
    /// The row without a hand first, then one row per hand, in the order of Hand.
    std::array<Row, HandCount + 1> rows;
    /// Under the headings, and between the columns.
    std::array<Rule, 4> rules;
};

}  // namespace tumblehand
