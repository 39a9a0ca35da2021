#include <gtest/gtest.h>

#include "board/numbers.h"
#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

TEST(FormLoad, LeavesAnEmptyWellAndBacksInTheFrames) {
    FakePlatform platform;
    Form1 form(platform);
    form.Num(7).Caption = form.YakuL.Caption = "x";
    form.Form_Load();
    for (int i = 0; i < Board::Cells; ++i) {
        EXPECT_TRUE(form.board.isEmpty(i) && form.Num(i).Caption.empty());
        EXPECT_EQ(form.Num(i).ForeColor, form.MoveNum.ForeColor);
    }
    EXPECT_EQ(form.NextCard[1].Face, CardFace::Back);
    EXPECT_EQ(form.YakuL.Caption, "");
    EXPECT_FALSE(form.Timer1.Enabled() || form.Timer2.Enabled() || form.Timer3.Enabled());
    // The first gravity step, a deal-in step, a blink.
    EXPECT_EQ(std::to_string(form.Timer1.Interval()) + " " + std::to_string(form.Timer2.Interval()) + " " +
                  std::to_string(form.Timer3.Interval()),
              "1010 50 100");
}

TEST(Numbers, LeadingNumberSaturatingArithmeticAndHalfEvenRounding) {
    struct Case {
        const char* what;
        std::int64_t got, want;
    };
    const Case cases[] = {
        {"leading 1234p", leadingNumber("1234p"), 1234},
        {"leading K", leadingNumber("K"), 0},
        {"leading -2", leadingNumber("-2"), -2},
        {"leading too long", leadingNumber("99999999999999999999"), 2147483647},
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
