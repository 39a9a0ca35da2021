#pragma once

#include <cstdint>

namespace tumblehand {

/// The gravity interval of the next pair: 10 ms less while above 100 ms, else 100 ms.
std::int16_t nextGravityInterval(std::int16_t interval);

/// The level that goes with a gravity interval: 1 above 900 ms, 2 above 800 ms, ...,
/// 9 above 100 ms, 10 at 100 ms or less.
std::int32_t levelForInterval(std::int16_t interval);

}  // namespace tumblehand
