#include <gtest/gtest.h>

#include <stdexcept>

#include "board/form1.h"
#include "board/numbers.h"
#include "tools/fake/fake_platform.h"

namespace tumblehand {
namespace {

TEST(FormLoad, LeavesAnEmptyWellAndBacksInTheFrames) {
    FakePlatform platform;
    Form1 form(platform);
    form.Num(7).Caption = "x";
    form.YakuL.Caption = "x";
    form.Form_Load();
    for (int i = 0; i < Board::Cells; ++i) {
        EXPECT_TRUE(form.board.isEmpty(i));
        EXPECT_EQ(form.Num(i).Caption, "");
        EXPECT_EQ(form.Num(i).ForeColor, form.MoveNum.ForeColor);
    }
    EXPECT_EQ(form.NextCard[0].Face, CardFace::Back);
    EXPECT_EQ(form.NextCard[1].Face, CardFace::Back);
    EXPECT_EQ(form.YakuL.Caption, "");
    EXPECT_FALSE(form.Timer1.Enabled() || form.Timer2.Enabled() || form.Timer3.Enabled());
    EXPECT_EQ(form.Timer1.Interval(), 1010);
    EXPECT_EQ(form.state.ComboCount, 0);
    EXPECT_FALSE(form.state.HideNext);
}

TEST(Board, EmptinessLooksOnlyAtThePicture) {
    Board board;
    board.Num(3).Caption = "K";
    EXPECT_TRUE(board.isEmpty(3));
    board.Mas(3).Face = CardFace::Club;
    EXPECT_FALSE(board.isEmpty(3));
    board.clear(3);
    EXPECT_TRUE(board.isEmpty(3));
    EXPECT_EQ(board.Num(3).Caption, "");
}

TEST(CleanenAppear, WriteCardZeroFirstAndClearBoth) {
    FakePlatform platform;
    Form1 form(platform);
    form.NowCard = {Picture{}, Picture{}};
    form.NowCard[0].Face = CardFace::Heart;
    form.NowNum[0].Caption = "Q";
    form.NowCard[1].Face = CardFace::Joker;
    form.NowNum[1].Caption = "";
    form.state.FallingPair = {12, 7};
    form.Appear();
    EXPECT_EQ(form.Mas(12).Face, CardFace::Heart);
    EXPECT_EQ(form.Num(12).Caption, "Q");
    EXPECT_EQ(form.Mas(7).Face, CardFace::Joker);
    // Both elements on one cell: card 1, written second, is what shows.
    form.state.FallingPair = {20, 20};
    form.Appear();
    EXPECT_EQ(form.Mas(20).Face, CardFace::Joker);
    form.state.FallingPair = {12, 7};
    form.Cleanen();
    EXPECT_TRUE(form.board.isEmpty(12));
    EXPECT_EQ(form.Num(12).Caption, "");
    EXPECT_TRUE(form.board.isEmpty(7));
}

TEST(Numbers, LeadingNumberSaturatingArithmeticAndHalfEvenRounding) {
    struct Case { const char* what; std::int64_t got; std::int64_t want; };
    const Case cases[] = {
        {"leading 1234p", leadingNumber("1234p"), 1234},
        {"leading 5combo", leadingNumber("5combo"), 5},
        {"leading empty", leadingNumber(""), 0},
        {"leading K", leadingNumber("K"), 0},
        {"leading -2", leadingNumber("-2"), -2},
        {"leading too long", leadingNumber("99999999999999999999"), 2147483647},
        {"3*50000*32", product32({3, 50000, 32}), 4800000},
        {"1343*50000*32", product32({1343, 50000, 32}), 2147483647},
        {"-70000*70000", product32({-70000, 70000}), -2147483647 - 1},
        {"2147483000+1000", sum32(2147483000, 1000), 2147483647},
        {"3/2", roundHalfEven(3, 2), 2},   {"9/2", roundHalfEven(9, 2), 4},
        {"15/2", roundHalfEven(15, 2), 8}, {"21/2", roundHalfEven(21, 2), 10},
        {"27/2", roundHalfEven(27, 2), 14}, {"33/2", roundHalfEven(33, 2), 16},
        {"7/2", roundHalfEven(7, 2), 4},   {"40/2", roundHalfEven(40, 2), 20},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

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
