#pragma once

#include "board/form1.h"

namespace tumblehand {

/// The tenth tick's result for a hand (not None): points, erasing, rates, pigs.
void applyHandStep(Form1& form, Hand hand);

/// The tenth tick's result for a full row without a hand: rates, the pig special,
/// and the row turned into a dead row of counted pigs.
void applyNoHandStep(Form1& form);

}  // namespace tumblehand
