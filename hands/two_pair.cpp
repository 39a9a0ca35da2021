#include "board/form1.h"
#include "hands/hand_scan.h"

namespace tumblehand {

void Form1::TwoPair(int Samer, int Sames, int Ycard) {
    CClear();
    const RowSpan row = resolvedRow(state);
    for (int i = row.first; i <= row.last; ++i) {
        const std::int32_t vi = cellValue(*this, i);
        int count = 0;
        for (int j = row.first; j <= row.last; ++j) {
            // Unlike Pair, a joker here matches a pig card too.
            if (cellValue(*this, j) == 0 || cellValueText(*this, i) == cellValueText(*this, j) || vi == 0) {
                ++count;
            }
        }
        if (count >= Sames) ++state.MatchTally;
    }
    if (state.MatchTally != Samer) clearHandFlag(state, Ycard);
}

}  // namespace tumblehand
