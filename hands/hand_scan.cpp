#include "hands/hand_scan.h"

#include "board/numbers.h"

#include <algorithm>

namespace tumblehand {

RowSpan resolvedRow(const GameState& state) {
    // The row is always a board row in play; clamping keeps a stray value from
    // reaching past the board.
    const int first = std::min<int>(state.ResolvedRowFirst, Board::Cells);
    const int last = std::min<int>(state.ResolvedRowLast, Board::Cells - 1);
    return {first, last};
}

std::int32_t handRankValue(const std::string& rankText) {
    const int rank = RankValue(rankText);
    if (rank == 1) return 14;
    return rank != 0 ? rank : leadingNumber(rankText);
}

bool rowIsAllPigFaces(const Form1& form, RowSpan row) {
    for (int i = row.first; i <= row.last; ++i) {
        if (form.board.Mas(i).Face != CardFace::Pig) return false;
    }
    return true;
}

const std::string& cellValueText(const Form1& form, int cell) { return form.board.Num(cell).Tag; }

static_assert(std::tuple_size_v<decltype(GameState::HandFlags)> == HandCount, "one flag per hand");

void clearHandFlag(GameState& state, Hand hand) {
    if (handIndex(hand) < HandCount) state.HandFlags[handIndex(hand)] = False16;
}

}  // namespace tumblehand
