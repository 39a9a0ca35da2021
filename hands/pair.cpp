#include "board/form1.h"
#include "hands/hand_scan.h"

namespace tumblehand {

void Form1::Pair(int caby, Hand Ycard) {
    CClear();
    // A joker (value 0) stands for any card, but never for a pig card (15 and up).
    // Equal texts always read as equal values: the cheap test goes first.
    tallyMatchingCards(*this, caby, [](std::int32_t vi, std::int32_t vj, auto sameText) {
        return (vi == vj && sameText()) || (vi == 0 && vj <= 14) || (vj == 0 && vi <= 14);
    });
    if (state.MatchTally < caby) clearHandFlag(state, Ycard);
}

}  // namespace tumblehand
