#include <gtest/gtest.h>

#include <stdexcept>

#include "board/board.h"

namespace tumblehand {
namespace {

TEST(CellAccess, ACellOutsideTheWellIsRefused) {
    Board board;
    const Board& constant = board;
    for (int cell : {-1, 50, 200, 255}) {
        EXPECT_THROW(board.Mas(cell), std::out_of_range) << cell;
        EXPECT_THROW(board.Num(cell), std::out_of_range) << cell;
        EXPECT_THROW(constant.Mas(cell), std::out_of_range) << cell;
        EXPECT_THROW(constant.Num(cell), std::out_of_range) << cell;
    }
    EXPECT_NO_THROW(board.Mas(0));
    EXPECT_NO_THROW(board.Num(49));
}

}  // namespace
}  // namespace tumblehand
