#pragma once

namespace tumblehand {

class Form1;

/// Moves the falling pair one column left or right (step -1 or +1) when the way is
/// free; a blocked move changes nothing.
void movePairSideways(Form1& form, int step);

/// Turns card 0 clockwise around the pivot (card 1), with one-cell kicks of the pivot
/// and falling through to the next orientation when one is blocked. After four
/// failures the orientation is back where it was and nothing has moved.
void turnPair(Form1& form);

/// Shifts the first card of an entering pair along the top row (step -1 or +1),
/// jumping over one occupied cell, never two.
void shiftEnteringCard(Form1& form, int step);

}  // namespace tumblehand
