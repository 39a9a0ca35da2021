#include "board/form1.h"
#include "board/numbers.h"
#include "hands/award.h"
#include "hands/hand_table.h"

namespace tumblehand {

void Form1::PigEracer(int Pcard) {
    if (Pcard < 0 || Pcard >= Board::Cells) return;
    if (Mas(Pcard).Face != CardFace::Pig || leadingNumber(Num(Pcard).Tag) > 0) return;
    awardPoints(*this, product32({state.Level, PigPoints, state.ComboCount, state.ScoreMultiplier}));
    // The tag keeps the counter the caller has just written.
    Num(Pcard).Caption.clear();
    Mas(Pcard).Face = CardFace::Empty;
}

}  // namespace tumblehand
