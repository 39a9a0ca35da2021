#include "board/numbers.h"

#include <limits>

namespace tumblehand {

namespace {
constexpr std::int64_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t Min32 = std::numeric_limits<std::int32_t>::min();

std::int32_t saturate(std::int64_t value) {
    if (value > Max32) return static_cast<std::int32_t>(Max32);
    if (value < Min32) return static_cast<std::int32_t>(Min32);
    return static_cast<std::int32_t>(value);
}
}  // namespace

std::int32_t leadingNumber(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > Max32 + 1) value = Max32 + 1;  // keep going, but never overflow
    }
    return saturate(negative ? -value : value);
}

std::string decimal(std::int64_t value) { return std::to_string(value); }

std::int32_t product32(std::initializer_list<std::int32_t> factors) {
    std::int64_t result = 1;
    bool first = true;
    for (std::int32_t factor : factors) {
        result = first ? factor : saturate(result * factor);
        first = false;
    }
    return saturate(result);
}

std::int32_t sum32(std::int32_t a, std::int32_t b) { return saturate(static_cast<std::int64_t>(a) + b); }

std::int64_t roundHalfEven(std::int64_t numerator, std::int64_t denominator) {
    std::int64_t quotient = numerator / denominator;
    std::int64_t remainder = numerator % denominator;
    if (remainder < 0) {  // floor division
        quotient -= 1;
        remainder += denominator;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0)) ++quotient;
    return quotient;
}

}  // namespace tumblehand
