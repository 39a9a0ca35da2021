#pragma once

#include "board/numbers.h"
#include "shell/records.h"

#include <string>

namespace tumblehand::testing {

/// A full table: places 1..10 score top, top - step, ..., held by P1 .. P10, odd places
/// quoted; best combo 7 held by AB, best points 900 held by CD.
inline Records sampleRecords(std::int64_t top = 10000, std::int64_t step = 1000) {
    Records records{.bestCombo = 7, .comboHolder = "AB", .bestPoints = 900, .pointsHolder = "CD"};
    for (std::size_t i = 0; i < 10; ++i) {
        records.scores[i] = {decimal(top - step * static_cast<std::int64_t>(i)), i % 2 == 0};
        records.names[i] = "P" + decimal(static_cast<std::int64_t>(i) + 1);
    }
    return records;
}

}  // namespace tumblehand::testing
