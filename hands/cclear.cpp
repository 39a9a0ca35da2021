#include "board/form1.h"

namespace tumblehand {

void Form1::CClear() {
    state.CellMarks.fill(False16);
    state.MatchTally = 0;
    state.FlushFace = CardFace::Empty;
}

}  // namespace tumblehand
