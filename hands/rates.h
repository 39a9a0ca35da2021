#pragma once

#include "board/form1.h"

#include <cstdint>

namespace tumblehand {

/// A multiplier above 16 becomes 32 (not 16).
std::int32_t limitMultiplier(std::int64_t multiplier);

/// A pig or joker weight above 10 becomes 10.
std::int16_t limitWeight(std::int64_t weight);

/// The NEXT frame shows two jokers without rank text; they enter as shown.
void showTwoJokersNext(Form1& form);

}  // namespace tumblehand
