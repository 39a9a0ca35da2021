#include "board/form1.h"
#include "hands/hand_scan.h"

namespace tumblehand {

void Form1::Straight(Hand Ycard) {
    CClear();
    const RowSpan row = resolvedRow(state);
    const RowValues values = rowValues(*this, row);
    for (int i = row.first; i <= row.last; ++i) {
        for (int j = row.first; j <= row.last; ++j) {
            const std::int64_t vi = values[static_cast<std::size_t>(i)];
            const std::int64_t vj = values[static_cast<std::size_t>(j)];
            if (vi == 0 || vj == 0) continue;  // jokers fill any gap
            const std::int64_t d = vi - vj;
            // The face comparison is what tells a cell from itself, so two equal
            // cards of one suit pass.
            if (d <= -5 || d >= 5 || (d == 0 && Mas(i).Face != Mas(j).Face)) {
                clearHandFlag(state, Ycard);
            }
        }
    }
}

}  // namespace tumblehand
