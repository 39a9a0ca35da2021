#include "board/form1.h"

namespace tumblehand {

void Form1::Timer1_Timer() {
    const int p0 = state.FallingPair[0];
    const int p1 = state.FallingPair[1];
    constexpr int Down = Board::Columns;

    bool landed = p1 > 44 || p0 > 44;
    if (!landed) {
        // All four tests read the board before the move; the pair's own cards count.
        const bool free0 = board.isEmpty(p0 + Down);
        const bool free1 = board.isEmpty(p1 + Down);
        const bool mayMove = (free0 && free1) || (free1 && p1 == p0 + Down) || (free0 && p0 == p1 + Down);
        if (mayMove) {
            Cleanen();
            state.FallingPair[0] = static_cast<std::uint8_t>(p0 + Down);
            state.FallingPair[1] = static_cast<std::uint8_t>(p1 + Down);
            Appear();
        } else {
            landed = true;
        }
    }
    if (landed) {
        Fall();
        AllChecker();
        ComboCheck();
    }
}

}  // namespace tumblehand
