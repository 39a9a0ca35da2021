#include "hands/rates.h"

#include <algorithm>
#include <limits>

namespace tumblehand {

std::int32_t limitMultiplier(std::int64_t multiplier) {
    if (multiplier > 16) return 32;
    return static_cast<std::int32_t>(std::max<std::int64_t>(multiplier, std::numeric_limits<std::int32_t>::min()));
}

std::int16_t limitWeight(std::int64_t weight) {
    if (weight > 10) return 10;
    return static_cast<std::int16_t>(std::max<std::int64_t>(weight, std::numeric_limits<std::int16_t>::min()));
}

void showTwoJokersNext(Form1& form) {
    for (std::size_t k = 0; k < 2; ++k) {
        form.NextCard[k].Face = CardFace::Joker;
        form.NextNum[k].Caption.clear();
    }
}

}  // namespace tumblehand
