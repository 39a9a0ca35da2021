#include "board/form1.h"
#include "hands/hand_scan.h"

namespace tumblehand {

void Form1::Flush(Hand Ycard) {
    CClear();
    const RowSpan row = resolvedRow(state);
    for (int i = row.first; i <= row.last; ++i) {
        const std::int32_t value = cellValue(*this, i);
        if (value == 0) {
            state.CellMarks[static_cast<std::size_t>(i)] = True16;  // wild
        } else if (value >= 15) {
            clearHandFlag(state, Ycard);  // a pig card never makes a flush
            return;
        } else {
            state.FlushFace = Mas(i).Face;
        }
    }
    // Every card that is not wild must show the face of the last one seen.
    for (int i = row.first; i <= row.last; ++i) {
        if (state.CellMarks[static_cast<std::size_t>(i)] == False16 && Mas(i).Face != state.FlushFace) {
            clearHandFlag(state, Ycard);
        }
    }
}

}  // namespace tumblehand
