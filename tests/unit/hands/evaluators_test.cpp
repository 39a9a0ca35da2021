#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

using testing::Game;

enum class Check { Flush, Straight, Pair2, Pair3, Pair4, Pair5, TwoPair421, TwoPair525, TwoPair535 };

// Each evaluator on the bottom row, after a scan has valued the cells; only its own flag may fall.
TEST(Evaluators, EdgeCases) {
    struct Case {
        const char* row;
        Check test;
        bool passes;
        const char* above = ". . . . .";
    };
    const Case cases[] = {
        {"JK JK JK JK JK", Check::Flush, true},
        {"JK JK JK JK JK", Check::Pair5, true},
        {"JK JK JK JK JK", Check::TwoPair421, false},  // all five qualify: not two pair
        {"10H JH QH KH AH", Check::Straight, true},
        {"AS 2S 3S 4S 5S", Check::Straight, false},  // the ace is high only
        {"9H JH QH KH AH", Check::Straight, false},
        {"5S 5H 6S 7S 8S", Check::Straight, false},
        {"5S 5S 6S 7S 8S", Check::Straight, true},
        {"JK JK PG JK JK", Check::Flush, false},
        {"KH 2S JK 7S 9S", Check::Flush, false},
        {"JS QS KS AS PG", Check::Straight, true},                 // the first pig card is worth 15
        {"JS QS KS AS PG", Check::Straight, false, "PG . . . ."},  // the second 17
        {"JK 3S 7H 9D KC", Check::Pair2, true},
        {"AS AH JK 5S 7S", Check::Pair3, true},
        {"AS AH AD AC KS", Check::Pair4, true},
        {"AS AH KS KH 5S", Check::TwoPair421, true},
        {"AS AH AD KS KH", Check::TwoPair421, false},
        {"AS AH AD KS KH", Check::TwoPair525, true},
        {"PG PG PG PG JK", Check::Pair2, false},
        {"PG PG PG PG JK", Check::TwoPair525, true},
        {"PG PG PG PG JK", Check::TwoPair535, false},
    };
    constexpr Hand Flag = Hand::Flush;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.row) + " test " + std::to_string(static_cast<int>(c.test)));
        Game game;
        game.setBottomRows(std::string(c.above) + " " + c.row);
        Form1& form = game.form;
        form.AllChecker();
        ASSERT_EQ(form.state.ResolvedRowFirst, 45);
        form.state.HandFlags.fill(True16);
        switch (c.test) {
            case Check::Flush: form.Flush(Flag); break;
            case Check::Straight: form.Straight(Flag); break;
            case Check::Pair2: form.Pair(2, Flag); break;
            case Check::Pair3: form.Pair(3, Flag); break;
            case Check::Pair4: form.Pair(4, Flag); break;
            case Check::Pair5: form.Pair(5, Flag); break;
            case Check::TwoPair421: form.TwoPair(4, 2, Flag); break;
            case Check::TwoPair525: form.TwoPair(5, 2, Flag); break;
            case Check::TwoPair535: form.TwoPair(5, 3, Flag); break;
        }
        for (std::size_t k = 0; k < HandCount; ++k)
            EXPECT_EQ(form.state.HandFlags[k], k == handIndex(Flag) && !c.passes ? False16 : True16) << k;
    }
}

}  // namespace
}  // namespace tumblehand
