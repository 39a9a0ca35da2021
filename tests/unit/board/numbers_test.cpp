#include "board/numbers.h"

#include "board/platform.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tumblehand {
namespace {

// All 32 bits set would round up to 1 in a float without care.
static_assert(unitFloat(0xFFFFFFFFu) < 1.0f);

TEST(Numbers, LeadingNumberSaturatingArithmeticAndHalfEvenRounding) {
    struct Case {
        const char* what;
        std::int64_t got, want;
    };
    const Case cases[] = {
        {"leading 1234p", leadingNumber("1234p"), 1234},
        {"leading K", leadingNumber("K"), 0},
        {"leading -2", leadingNumber("-2"), -2},
        {"leading too long", leadingNumber("18446744073709551617"), 2147483647},  // 2⁶⁴ + 1
        {"3*50000*32", product32({3, 50000, 32}), 4800000},
        {"1343*50000*32", product32({1343, 50000, 32}), 2147483647},
        {"-70000*70000", product32({-70000, 70000}), -2147483647 - 1},
        {"2147483000+1000", sum32(2147483000, 1000), 2147483647},
        {"-2147483000-1000", sum32(-2147483000, -1000), -2147483647 - 1},
        {"3/2", roundHalfEven(3, 2), 2},
        {"5/2", roundHalfEven(5, 2), 2},
        {"7/2", roundHalfEven(7, 2), 4},
        {"40/2", roundHalfEven(40, 2), 20},
        {"-3/2", roundHalfEven(-3, 2), -2},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

}  // namespace
}  // namespace tumblehand
