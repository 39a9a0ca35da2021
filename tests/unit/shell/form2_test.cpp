#include "shell/form2.h"

#include <gtest/gtest.h>

#include <string>

namespace tumblehand {
namespace {

// The hand table window shows each hand's points and the cards it uses up, as the rules pay them.
TEST(Form2, RowsShowThePointsAndCardsUsedOfEachHand) {
    const Form2 table;
    std::string shown;
    for (const Form2::Row& row : table.rows) shown += row.points.Caption + "/" + row.cards.Caption + " ";
    EXPECT_EQ(shown, "0/0 10/1 50/2 100/3 1000/5 2000/5 5000/5 8000/5 15000/5 25000/5 50000/5 ");
}

}  // namespace
}  // namespace tumblehand
