#include "board/form1.h"

namespace tumblehand {

void Form1::StopL_Click() {
    if (StopL.Caption == "STOP") {
        if (!Timer1.Enabled()) return;  // nothing falls: nothing to suspend
        Chusi.Caption = "再開";
        Timer1.setEnabled(false);
        StopL.Caption = PausedCaption;
    } else if (StopL.Caption == PausedCaption) {
        Chusi.Caption = "中断";
        // A game started while suspended keeps the paused caption through its deal-in. Gravity
        // switched on then would move a pair that is not there yet, beside the
        // deal-in or the resolution; those hand over to gravity themselves.
        if (!Timer2.Enabled() && !Timer3.Enabled()) Timer1.setEnabled(true);
        StopL.Caption = "STOP";
    }
}

}  // namespace tumblehand
