#include "tests/support/game_fixture.h"

#include <tuple>

namespace tumblehand {
namespace {

using Nexter = testing::GameTest;

TEST_F(Nexter, CodesMakeCardsAndRejectTheOnesAlreadyInPlay) {
    struct Case {
        const char *name, *board;
        std::vector<int> codes;
        const char* next;
        int code0, code1;
    };
    const Case cases[] = {
        {"first and last of spades, hearts", "", {1, 26}, "AS KH", 1, 26},
        {"last club, first pig", "", {52, 53}, "KC PG", 52, 53},
        {"last pig", "", {54, 2}, "PG 2S", 54, 2},
        {"last joker", "", {56, 4}, "JK 4S", 56, 4},
        {"cards on the board are drawn again", "AS 2H . . .", {1, 3, 15, 4}, "3S 4S", 3, 4},
        {"counted pig 7 blocks the 7 of spades", "P7 . . . .", {7, 8, 9}, "8S 9S", 8, 9},
        {"other counters block nothing", "P12 . . . .", {7, 8}, "7S 8S", 7, 8},
        {"two specials: card 1 again", "", {53, 55, 53, 10}, "PG 10S", 53, 10},
        {"equal codes: card 1 again", "", {5, 5, 6}, "5S 6S", 5, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setBottomRows(c.board);
        queueCodes(c.codes);
        form.Nexter();
        EXPECT_EQ(next(), c.next);
        EXPECT_EQ(form.state.NextCodes[0], c.code0);
        EXPECT_EQ(form.state.NextCodes[1], c.code1);
        EXPECT_TRUE(platform.randomQueue.empty());
    }
}

TEST_F(Nexter, HiddenFrameShowsBacksAndKeepsTheCodesUntilACountedPigReachesCell45) {
    queueCodes({20, 30});
    form.Nexter();
    form.state.HideNext = true;
    for (const char* bottom : {"", "PG . . . .", "5S . . . ."}) {
        setBottomRows(bottom);
        form.Nexter();
        EXPECT_EQ(next(), "BK BK") << bottom;
        EXPECT_EQ(form.state.NextCodes[0] + form.state.NextCodes[1], 50) << bottom;
    }
    setBottomRows("P3 . . . .");
    queueCodes({2, 4});
    form.Nexter();
    EXPECT_EQ(next(), "2S 4S");
}

TEST_F(Nexter, WeightsSetTheNumberOfCodesWithinAByte) {
    // 100/100 is the boosted game; the others never occur in play but must not hang the draw.
    using Case = std::tuple<std::int16_t, std::int16_t, int>;  // pig and joker weights, codes
    for (const auto& [pig, joker, codes] :
         {Case{100, 100, 252}, Case{-52, -52, 52}, Case{-1, 3, 55}, Case{300, 300, 255}}) {
        form.state.PigWeight = pig;
        form.state.JokerWeight = joker;
        platform.randomQueue = {0.99999994f, 0.0f};
        form.Nexter();
        EXPECT_EQ(form.state.NextCodes[0], codes) << pig << " " << joker;
        EXPECT_EQ(form.state.NextCodes[1], 1);
    }
    form.state.PigWeight = form.state.JokerWeight = 100;
    queueCodes({152, 1, 153, 1}, 252);  // the last pig code, the first joker code
    form.Nexter();
    EXPECT_EQ(next(), "PG AS");
    form.Nexter();
    EXPECT_EQ(next(), "JK AS");
}

}  // namespace
}  // namespace tumblehand
