#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tumblehand {

/// The value of the leading decimal number of a text ("1234p" is 1234, "-3" is -3),
/// 0 for an empty or non-numeric text. Values beyond 32 bits saturate.
std::int32_t leadingNumber(std::string_view text);

/// Plain decimal text: digits, a leading "-" when negative.
std::string decimal(std::int64_t value);

/// Signed 32-bit product of the factors, multiplied left to right; a step that
/// would overflow saturates at the 32-bit limit of its sign.
std::int32_t product32(std::initializer_list<std::int32_t> factors);

/// Signed 32-bit sum that saturates instead of wrapping.
std::int32_t sum32(std::int32_t a, std::int32_t b);

/// Rounds numerator / denominator to the nearest integer, halves to the even
/// neighbour (3 / 2 is 2, 9 / 2 is 4). denominator > 0.
std::int64_t roundHalfEven(std::int64_t numerator, std::int64_t denominator);

}  // namespace tumblehand
