#pragma once

#include "board/form1.h"

#include <cstdint>

namespace tumblehand {

/// Adds points to the score and to the chain total (an empty or non-numeric total
/// counts as 0). Sums saturate at the 32-bit limit instead of wrapping.
void awardPoints(Form1& form, std::int32_t points);

}  // namespace tumblehand
