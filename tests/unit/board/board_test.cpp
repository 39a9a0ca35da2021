#include <gtest/gtest.h>

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

TEST(Board, Neighbours) {
    for (int i : {0, 5, 45}) EXPECT_FALSE(Board::hasLeft(i));
    for (int i : {4, 9, 49}) EXPECT_FALSE(Board::hasRight(i));
    for (int i = 45; i < 50; ++i) EXPECT_FALSE(Board::hasBelow(i));
    EXPECT_TRUE(Board::hasBelow(44));
    EXPECT_FALSE(Board::hasAbove(4));
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

TEST(Numbers, LeadingNumberAndSaturatingProducts) {
    EXPECT_EQ(leadingNumber("1234p"), 1234);
    EXPECT_EQ(leadingNumber("5combo"), 5);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("K"), 0);
    EXPECT_EQ(leadingNumber("-2"), -2);
    EXPECT_EQ(leadingNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(product32({3, 50000, 32}), 4800000);
    EXPECT_EQ(product32({1343, 50000, 32}), 2147483647);
    EXPECT_EQ(product32({-70000, 70000}), -2147483647 - 1);
    EXPECT_EQ(sum32(2147483000, 1000), 2147483647);
    const std::pair<int, int> halves[] = {{3, 2}, {9, 2}, {15, 2}, {21, 2}, {27, 2}, {33, 2}, {7, 2}};
    const int expected[] = {2, 4, 8, 10, 14, 16, 4};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(roundHalfEven(halves[i].first, halves[i].second), expected[i]) << halves[i].first;
    }
    EXPECT_EQ(roundHalfEven(40, 2), 20);
}

}  // namespace
}  // namespace tumblehand
