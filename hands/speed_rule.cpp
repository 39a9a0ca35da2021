#include "hands/speed_rule.h"

namespace tumblehand {

std::int16_t nextGravityInterval(std::int16_t interval) {
    return interval > 100 ? static_cast<std::int16_t>(interval - 10) : std::int16_t{100};
}

std::int32_t levelForInterval(std::int16_t interval) {
    for (std::int32_t level = 1; level <= 9; ++level) {
        if (interval > 1000 - 100 * level) return level;
    }
    return 10;
}

}  // namespace tumblehand
