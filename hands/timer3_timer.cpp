#include "board/form1.h"
#include "board/hand.h"
#include "hands/resolution.h"

namespace tumblehand {

namespace {
constexpr std::uint8_t BlinkTicks = 10;
}  // namespace

void Form1::Timer3_Timer() {
    YakuL.Visible = !YakuL.Visible;
    Gscore.Visible = !Gscore.Visible;
    ++state.BlinkTick;
    if (state.BlinkTick < BlinkTicks) return;

    Gscore.Visible = false;
    Timer3.setEnabled(false);
    state.BlinkTick = 0;
    Timer2.setEnabled(true);
    YakuL.Visible = false;

    // Without a row on the board there is nothing to apply.
    if (state.ResolvedRowFirst + Board::Columns <= Board::Cells) {
        if (const Hand hand = resolvedHand(state); hand != Hand::None) {
            applyHandStep(*this, hand);
        } else {
            applyNoHandStep(*this);
        }
    }
    Fall();
    AllChecker();
}

}  // namespace tumblehand
