#include "play/pair_moves.h"

#include "board/form1.h"

#include <optional>

namespace tumblehand {

namespace {

constexpr int Row = Board::Columns;

void placePair(Form1& form, int card0, int pivot) {
    form.Cleanen();
    form.state.FallingPair[0] = static_cast<std::uint8_t>(card0);
    form.state.FallingPair[1] = static_cast<std::uint8_t>(pivot);
    form.Appear();
}

struct Placement {
    int card0;
    int pivot;
};

// Where card 0 and the pivot b go for the new orientation; the pivot may kick one cell.
std::optional<Placement> placementFor(const Board& board, int b, int orientation) {
    const int column = Board::column(b);
    switch (orientation) {
        case 0:
            // The cell above a pivot below the top row is not tested: on a settled
            // board it cannot hold anything but the pair itself.
            if (b > 4) return Placement{b - Row, b};
            if (board.isEmpty(b + Row)) return Placement{b, b + Row};
            return std::nullopt;
        case 1:
            if (column == 4) {
                if (board.isEmpty(b - 1)) return Placement{b, b - 1};
                return std::nullopt;
            }
            if (board.isEmpty(b + 1)) return Placement{b + 1, b};
            if (column != 0 && board.isEmpty(b - 1)) return Placement{b, b - 1};
            return std::nullopt;
        case 2:
            if (b < 45 && board.isEmpty(b + Row)) return Placement{b + Row, b};
            return std::nullopt;
        default:
            if (column == 0) {
                if (board.isEmpty(b + 1)) return Placement{b, b + 1};
                return std::nullopt;
            }
            if (board.isEmpty(b - 1)) return Placement{b - 1, b};
            if (column != 4 && board.isEmpty(b + 1)) return Placement{b, b + 1};
            return std::nullopt;
    }
}

}  // namespace

void movePairSideways(Form1& form, int step) {
    const int a = form.state.FallingPair[0];
    const int b = form.state.FallingPair[1];
    const int wall = step < 0 ? 0 : 4;
    if (Board::column(a) == wall || Board::column(b) == wall) return;
    const Board& board = form.board;
    // Each card needs a free cell beside it unless its partner is the one there.
    const bool allowed = (board.isEmpty(a + step) && board.isEmpty(b + step)) ||
                         (a == b - step && board.isEmpty(b + step)) || (b == a - step && board.isEmpty(a + step));
    if (allowed) placePair(form, a + step, b + step);
}

void turnPair(Form1& form) {
    std::uint8_t& orientation = form.state.PairOrientation;
    for (int attempts = 0; attempts < 4; ++attempts) {
        orientation = static_cast<std::uint8_t>((orientation + 1) % 4);
        const auto placement = placementFor(form.board, form.state.FallingPair[1], orientation);
        if (placement) {
            placePair(form, placement->card0, placement->pivot);
            return;
        }
    }
}

void shiftEnteringCard(Form1& form, int step) {
    const int a = form.state.FallingPair[0];
    if (a > 4) return;  // the entering card is always in the top row
    Board& board = form.board;
    const auto inRow = [](int cell) { return cell >= 0 && cell <= 4; };
    int target = -1;
    if (inRow(a + step) && board.isEmpty(a + step)) {
        target = a + step;
    } else if (inRow(a + step) && inRow(a + 2 * step) && board.isEmpty(a + 2 * step)) {
        target = a + 2 * step;
    }
    if (target < 0) return;
    board.Mas(target).Face = board.Mas(a).Face;
    board.Num(target).Caption = board.Num(a).Caption;
    board.clear(a);
    form.state.FallingPair[0] = static_cast<std::uint8_t>(target);
}

}  // namespace tumblehand
