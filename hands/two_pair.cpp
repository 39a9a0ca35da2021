#include "board/form1.h"
#include "hands/hand_scan.h"

namespace tumblehand {

void Form1::TwoPair(int Samer, int Sames, int Ycard) {
    CClear();
    const RowSpan row = resolvedRow(state);
    const RowValues values = rowValues(*this, row);
    for (int i = row.first; i <= row.last; ++i) {
        const std::int32_t vi = values[static_cast<std::size_t>(i)];
        int count = 0;
        for (int j = row.first; j <= row.last; ++j) {
            // Unlike Pair, a joker here matches a pig card too.
            const std::int32_t vj = values[static_cast<std::size_t>(j)];
            // Equal texts always read as equal values: the cheap test goes first.
            if (vj == 0 || (vi == vj && cellValueText(*this, i) == cellValueText(*this, j)) || vi == 0) {
                ++count;
            }
        }
        if (count >= Sames) ++state.MatchTally;
    }
    if (state.MatchTally != Samer) clearHandFlag(state, Ycard);
}

}  // namespace tumblehand
