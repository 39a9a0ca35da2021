#include "play/settle.h"

#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

struct FallCase {
    const char *name, *before, *after;
    int passes;
};

struct Settling : testing::GameTest, ::testing::WithParamInterface<FallCase> {};

TEST_P(Settling, DropsCardsOnePassAtATimeKeepingTheirOrder) {
    const FallCase& c = GetParam();
    setBoard(c.before);
    Form1 expected{platform};
    ASSERT_EQ(setBoardText(expected, c.after), "");
    EXPECT_EQ(settleBoard(form.board), c.passes);
    EXPECT_EQ(boardText(form), boardText(expected));
}

// Rows top to bottom; rows left out at the top are empty.
#define E ". . . . .\n"
INSTANTIATE_TEST_SUITE_P(
    Fall, Settling,
    ::testing::Values(
        FallCase{"TopCardToBottom", "AS . . . .\n" E E E E E E E E E, E E E E E E E E E "AS . . . .\n", 10},
        FallCase{"OnlyTheHangingHalfDrops", E E E E E ". . JK P3 .\n. . . PG .\n. . . 5C .\n. . . 6C .\n. . 8D 7C .\n",
                 E E E E E ". . . P3 .\n. . . PG .\n. . . 5C .\n. . JK 6C .\n. . 8D 7C .\n", 4},
        FallCase{"BottomRowStays", E E E E E E E E E "KD . QC . .\n", E E E E E E E E E "KD . QC . .\n", 1}),
    [](const auto& info) { return std::string(info.param.name); });
#undef E

}  // namespace
}  // namespace tumblehand
