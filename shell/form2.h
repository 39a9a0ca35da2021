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

    /// Calls visit(ControlName, control) for every control in the order the window
    /// paints them: the headings, the rows (a row's index is its place in rows), then the
    /// rules. control is a const Label or Rule.
    template <class Visit>
    void forEachControl(Visit&& visit) const {
        visit(ControlName{"handHeading"}, handHeading);
        visit(ControlName{"pointsHeading"}, pointsHeading);
        visit(ControlName{"cardsHeading"}, cardsHeading);
        visit(ControlName{"effectHeading"}, effectHeading);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const int index = static_cast<int>(k);
            visit(ControlName{"hand", index}, rows[k].hand);
            visit(ControlName{"points", index}, rows[k].points);
            visit(ControlName{"cards", index}, rows[k].cards);
            visit(ControlName{"effect", index}, rows[k].effect);
            visit(ControlName{"effectSecondLine", index}, rows[k].effectSecondLine);
        }
        for (std::size_t k = 0; k < rules.size(); ++k) visit(ControlName{"rules", static_cast<int>(k)}, rules[k]);
    }
};

}  // namespace tumblehand
