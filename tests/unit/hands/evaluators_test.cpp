#include <gtest/gtest.h>

#include "tests/unit/hands/hands_support.h"

namespace tumblehand {
namespace {

using testing::Table;

enum class Test { Flush, Straight, Pair2, Pair3, Pair4, Pair5, TwoPair421, TwoPair525, TwoPair535 };

struct EvaluatorCase {
    const char *name, *above, *row;  // above: the row above the tested bottom row
    Test test;
    bool passes;
};

constexpr const char* Empty = ". . . . .";

const EvaluatorCase Cases[] = {
    {"five jokers: flush", Empty, "JK JK JK JK JK", Test::Flush, true},
    {"five jokers: straight", Empty, "JK JK JK JK JK", Test::Straight, true},
    {"five jokers: pair", Empty, "JK JK JK JK JK", Test::Pair2, true},
    {"five jokers: three", Empty, "JK JK JK JK JK", Test::Pair3, true},
    {"five jokers: four", Empty, "JK JK JK JK JK", Test::Pair4, true},
    {"five jokers: five", Empty, "JK JK JK JK JK", Test::Pair5, true},
    {"five jokers: full house with a joker", Empty, "JK JK JK JK JK", Test::TwoPair535, true},
    {"five jokers: two pair (all five qualify)", Empty, "JK JK JK JK JK", Test::TwoPair421, false},
    {"10-J-Q-K-A one suit: flush", Empty, "10H JH QH KH AH", Test::Flush, true},
    {"10-J-Q-K-A: straight", Empty, "10H JH QH KH AH", Test::Straight, true},
    {"A-2-3-4-5: the ace is high only", Empty, "AS 2S 3S 4S 5S", Test::Straight, false},
    {"9 J Q K A spans 5", Empty, "9H JH QH KH AH", Test::Straight, false},
    {"10 J Q K joker", Empty, "10H JH QH KH JK", Test::Straight, true},
    {"equal values, different faces", Empty, "5S 5H 6S 7S 8S", Test::Straight, false},
    {"equal values, same face: straight", Empty, "5S 5S 6S 7S 8S", Test::Straight, true},
    {"equal values, same face: flush", Empty, "5S 5S 6S 7S 8S", Test::Flush, true},
    {"a pig card breaks the flush", Empty, "2H 3H PG 5H 6H", Test::Flush, false},
    {"a pig card with four jokers is no flush", Empty, "JK JK PG JK JK", Test::Flush, false},
    {"one other face", Empty, "KH 2S JK 7S 9S", Test::Flush, false},
    {"J Q K A with pig 15", Empty, "JS QS KS AS PG", Test::Straight, true},
    {"J Q K A with pig 17", "PG . . . .", "JS QS KS AS PG", Test::Straight, false},
    {"a joker pairs with any card", Empty, "JK 3S 7H 9D KC", Test::Pair2, true},
    {"no pair", Empty, "2S 3S 7H 9D KC", Test::Pair2, false},
    {"A A A 5 7", Empty, "AS AH AD 5S 7S", Test::Pair3, true},
    {"A A joker 5 7", Empty, "AS AH JK 5S 7S", Test::Pair3, true},
    {"5 7 9 J joker", Empty, "5S 7S 9S JS JK", Test::Pair3, false},
    {"A A A A K: four", Empty, "AS AH AD AC KS", Test::Pair4, true},
    {"A A A A K: two pair", Empty, "AS AH AD AC KS", Test::TwoPair421, true},
    {"A A A A K: full house", Empty, "AS AH AD AC KS", Test::TwoPair525, false},
    {"A A K K 5", Empty, "AS AH KS KH 5S", Test::TwoPair421, true},
    {"A A A K K: five qualify", Empty, "AS AH AD KS KH", Test::TwoPair421, false},
    {"A A K Q 5: two qualify", Empty, "AS AH KS QS 5S", Test::TwoPair421, false},
    {"a joker with four distinct cards", Empty, "JK 2S 5H 9D KC", Test::TwoPair421, false},
    {"A A A K K: full house", Empty, "AS AH AD KS KH", Test::TwoPair525, true},
    {"A A K K joker: full house with a joker", Empty, "AS AH KS KH JK", Test::TwoPair535, true},
    {"pigs never pair with a joker", Empty, "PG PG PG PG JK", Test::Pair2, false},
    {"pigs pair with a joker in TwoPair", Empty, "PG PG PG PG JK", Test::TwoPair525, true},
    {"a pig and a joker count 2, not 3", Empty, "PG PG PG PG JK", Test::TwoPair535, false},
    {"a joker counts the pig in TwoPair", Empty, "PG JK 2S 5H 9D", Test::TwoPair421, false},
};

constexpr int Flag = 4;  // any hand index will do: only this one may change

void run(Form1& form, Test test) {
    switch (test) {
        case Test::Flush: form.Flush(Flag); break;
        case Test::Straight: form.Straight(Flag); break;
        case Test::Pair2: form.Pair(2, Flag); break;
        case Test::Pair3: form.Pair(3, Flag); break;
        case Test::Pair4: form.Pair(4, Flag); break;
        case Test::Pair5: form.Pair(5, Flag); break;
        case Test::TwoPair421: form.TwoPair(4, 2, Flag); break;
        case Test::TwoPair525: form.TwoPair(5, 2, Flag); break;
        case Test::TwoPair535: form.TwoPair(5, 3, Flag); break;
    }
}

TEST(Evaluators, EdgeCases) {
    for (const EvaluatorCase& c : Cases) {
        SCOPED_TRACE(c.name);
        Table table;
        table.setBottomRows(std::string(c.above) + " " + c.row);
        table.form.AllChecker();  // values every cell and finds the bottom row
        ASSERT_EQ(table.form.state.ResolvedRowFirst, 45);
        table.form.state.HandFlags.fill(True16);
        run(table.form, c.test);
        for (int k = 0; k < 10; ++k)
            EXPECT_EQ(table.form.state.HandFlags[static_cast<std::size_t>(k)], k == Flag && !c.passes ? False16 : True16)
                << "flag " << k;
    }
}

TEST(Evaluators, NeverSetAFlagBackToTrue) {
    Table table;
    table.setBottomRows("AS AH KS KH 5S");
    table.form.AllChecker();
    table.form.state.HandFlags.fill(False16);
    table.form.Flush(4);
    table.form.Straight(3);
    table.form.Pair(2, 0);
    table.form.TwoPair(4, 2, 1);
    for (std::int16_t flag : table.form.state.HandFlags) EXPECT_EQ(flag, False16);
}

}  // namespace
}  // namespace tumblehand
