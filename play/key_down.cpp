#include "board/form1.h"
#include "play/key_codes.h"
#include "play/pair_moves.h"

namespace tumblehand {

namespace {

// Left/Z and Right/C: the step along the row they ask for; 0 for any other key.
int sidewaysStep(int keyCode) {
    switch (keyCode) {
        case vk::Left:
        case vk::Z: return -1;
        case vk::Right:
        case vk::C: return +1;
        default: return 0;
    }
}

void playKey(Form1& form, int keyCode) {
    if (const int step = sidewaysStep(keyCode)) {
        movePairSideways(form, step);
        return;
    }
    switch (keyCode) {
        case vk::Down:
        case vk::X: form.Timer1_Timer(); break;
        case vk::Up:
        case vk::Space:
        case vk::S: turnPair(form); break;
        case vk::F1: form.StopL_Click(); break;
        case vk::F2: form.Start_Click(); break;
        case vk::Escape:
            if (form.platform().askYesNo("本当に終了しますか？", "Tumblehand")) {
                form.platform().closeMainWindow();
            }
            break;
        default: break;
    }
}

void topRowKey(Form1& form, int keyCode) {
    if (const int step = sidewaysStep(keyCode)) shiftEnteringCard(form, step);
}

}  // namespace

void Form1::Form_KeyDown(int keyCode) {
    if (Timer1.Enabled()) {
        playKey(*this, keyCode);
    } else if (state.DealPhase == 1) {
        topRowKey(*this, keyCode);
    } else if (keyCode == vk::F1) {
        StopL_Click();
    } else if (keyCode == vk::F2) {
        Start_Click();
    }
}

}  // namespace tumblehand
