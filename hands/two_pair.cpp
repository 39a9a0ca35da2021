#include "board/form1.h"
#include "hands/hand_scan.h"

namespace tumblehand {

void Form1::TwoPair(int Samer, int Sames, Hand Ycard) {
    CClear();
    // Unlike Pair, a joker here matches a pig card too.
    tallyMatchingCards(*this, Sames, [](std::int32_t vi, std::int32_t vj, auto sameText) {
        return vj == 0 || (vi == vj && sameText()) || vi == 0;
    });
    if (state.MatchTally != Samer) clearHandFlag(state, Ycard);
}

}  // namespace tumblehand
