#include "board/form1.h"
#include "hands/hand_scan.h"

namespace tumblehand {

void Form1::Pair(int caby, int Ycard) {
    CClear();
    const RowSpan row = resolvedRow(state);
    const RowValues values = rowValues(*this, row);
    for (int i = row.first; i <= row.last; ++i) {
        const std::int32_t vi = values[static_cast<std::size_t>(i)];
        int count = 0;
        for (int j = row.first; j <= row.last; ++j) {
            const std::int32_t vj = values[static_cast<std::size_t>(j)];
            // A joker stands for any card, but never for a pig card.
            // Equal texts always read as equal values: the cheap test goes first.
            if ((vi == vj && cellValueText(*this, i) == cellValueText(*this, j)) || (vi == 0 && vj <= 14) ||
                (vj == 0 && vi <= 14)) {
                ++count;
            }
        }
        if (count >= caby) ++state.MatchTally;
    }
    if (state.MatchTally < caby) clearHandFlag(state, Ycard);
}

}  // namespace tumblehand
