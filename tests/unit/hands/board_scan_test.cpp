#include <gtest/gtest.h>

#include "tests/unit/hands/hands_support.h"

namespace tumblehand {
namespace {

using testing::endsWith;
using testing::Table;

// The captions by code point: full-width letters and digits, an ordinary space in the
// full house, an ideographic space in the plain pig row.
const std::string Royal = "ROYAL STRAIGHT FLUSH", FiveCard = "\uFF15\uFF23\uFF21\uFF32\uFF24",
    StraightFlush = "STRAIGHT FLUSH", FourCard = "\uFF14\uFF23\uFF21\uFF32\uFF24",
    FullHouse = "\uFF26\uFF35\uFF2C\uFF2C \uFF28\uFF2F\uFF35\uFF33\uFF25", FlushName = "\uFF26\uFF2C\uFF35\uFF33\uFF28",
    StraightName = "\uFF33\uFF34\uFF32\uFF21\uFF29\uFF27\uFF28\uFF34", ThreeCard = "\uFF13\uFF23\uFF21\uFF32\uFF24",
    TwoPairName = "\uFF12\uFF30\uFF21\uFF29\uFF32", OnePair = "\uFF11\uFF30\uFF21\uFF29\uFF32",
    Buta = "\u3076\u3000\u305F", PigSpecial = "\u3076\u305F\u30B9\u30DA\u30B7\u30E3\u30EB";

struct ScanCase {
    const char* row;
    int comboBefore;
    std::int32_t multiplier, level;
    int hand;  // 10, the pig row, is shown in red, every hand in blue
    const std::string* caption;
    const char *points, *cue;
};

const ScanCase Cases[] = {
    {"JK JK JK JK JK", 0, 1, 1, 9, &Royal, "50000", "up2"},
    {"10H JH QH KH AH", 0, 1, 1, 9, &Royal, "50000", "up2"},
    {"AH KH QH JH 10H", 0, 1, 1, 9, &Royal, "50000", "up2"},
    {"9H 10H JH QH KH", 0, 1, 1, 7, &StraightFlush, "15000", "up"},
    {"10H JH QH KH JK", 0, 1, 1, 9, &Royal, "50000", "up2"},
    {"10H JH QH KS JK", 0, 1, 1, 3, &StraightName, "1000", "ph"},
    {"AS AH AD AC JK", 0, 1, 1, 8, &FiveCard, "25000", "up2"},
    {"PG JK JK JK JK", 0, 1, 1, 8, &FiveCard, "25000", "up2"},
    {"AS AH AD AC KS", 0, 1, 1, 6, &FourCard, "8000", "up"},
    {"AS AH JK JK KD", 0, 1, 1, 6, &FourCard, "8000", "up"},
    {"AS AH AD KC KS", 0, 1, 1, 5, &FullHouse, "5000", "up"},
    {"AS AH KD KC JK", 0, 1, 1, 5, &FullHouse, "5000", "up"},
    {"AS AS AS KS KS", 0, 1, 1, 7, &StraightFlush, "15000", "up"},
    {"2H 5H 9H JH KH", 0, 1, 1, 4, &FlushName, "2000", "Flush"},
    {"2H 5H 9H JH KH", 2, 32, 1, 4, &FlushName, "192000", "Flush"},
    {"5S 6H 7D 8C 9S", 0, 1, 1, 3, &StraightName, "1000", "ph"},
    {"PG PG PG JK JK", 0, 1, 1, 3, &StraightName, "1000", "ph"},
    {"PG JK PG JK JK", 0, 1, 1, 3, &StraightName, "1000", "ph"},
    {"2S 2H 2D 9C KS", 0, 1, 1, 2, &ThreeCard, "100", "te"},
    {"2S 2H 5D 5C KS", 0, 1, 1, 1, &TwoPairName, "50", "pe"},
    {"2S 2H 5D 9C KS", 0, 1, 1, 0, &OnePair, "10", "pn"},
    {"2S 2H 5D 9C KS", 1, 4, 1, 0, &OnePair, "80", "pn"},
    {"2S 5H 9D JC KH", 0, 1, 1, 10, &Buta, "0", "boo"},
    {"PG PG PG PG PG", 0, 1, 1, 10, &PigSpecial, "10000", "boo"},
    {"PG PG PG PG PG", 1, 2, 3, 10, &PigSpecial, "120000", "boo"},
    {"PG PG PG PG PG", 66, 32, 99, 10, &PigSpecial, "2122560000", "boo"},
    {"PG PG PG PG PG", 67, 32, 99, 10, &PigSpecial, "2147483647", "boo"},
    {"PG PG JK PG PG", 0, 1, 1, 10, &Buta, "0", "boo"},
};

TEST(BoardScan, NamesScoresAndCuesEachRow) {
    for (const ScanCase& c : Cases) {
        SCOPED_TRACE(c.row);
        Table table;
        table.setBottomRows(c.row);
        Form1& form = table.form;
        form.state.ComboCount = c.comboBefore;
        form.state.ScoreMultiplier = c.multiplier;
        form.state.Level = c.level;
        form.YakuL.Visible = false;
        form.Timer1.setEnabled(true);
        form.Timer2.setEnabled(true);
        form.AllChecker();
        EXPECT_EQ(form.state.ResolvedHand, c.hand);
        EXPECT_EQ(form.YakuL.Caption, *c.caption);
        EXPECT_EQ(form.YakuL.ForeColor, c.hand == 10 ? colors::Red : colors::Blue);
        EXPECT_EQ(form.Gscore.Caption, c.points);
        EXPECT_TRUE(form.YakuL.Visible && form.Gscore.Visible);
        EXPECT_EQ(form.state.ComboCount, c.comboBefore + 1);
        EXPECT_EQ(form.state.ResolvedRowFirst + form.state.ResolvedRowLast, 45 + 49);
        EXPECT_TRUE(!form.Timer1.Enabled() && !form.Timer2.Enabled() && form.Timer3.Enabled());
        const auto cues = table.cues();
        ASSERT_EQ(cues.size(), 1u);
        EXPECT_TRUE(endsWith(cues[0], std::string("sound/") + c.cue + ".wav")) << cues[0];
        EXPECT_EQ(table.row(45), c.row);  // the scan changes no card
    }
}

// Hand flags 0..9, "1" True, "0" False.
const std::pair<const char*, const char*> FlagsCases[] = {
    // Four of a kind is never also a full house, even when all five cards agree.
    {"AS AH AD AC AS", "1010001010"},
    {"AS AH AD KC KS", "1010010000"},
    {"AS AH JK JK KD", "1010001000"},
    {"10H JH QH KH JK", "1001100101"},
    {"JK JK JK JK JK", "1011101111"},
};

TEST(BoardScan, LeavesTheFlagsOfEveryHandTheRowForms) {
    for (const auto& [row, expected] : FlagsCases) {
        Table table;
        table.setBottomRows(row);
        table.form.AllChecker();
        std::string flags;
        for (std::int16_t flag : table.form.state.HandFlags) flags += flag == True16 ? '1' : '0';
        EXPECT_EQ(flags, expected) << row;
    }
}

// No row to resolve: no hand, no combo, no cue; the next pair comes.
TEST(BoardScan, NoFullLiveRowBringsTheNextPair) {
    std::string dead;
    for (int r = 0; r < 10; ++r) dead += "P1 P1 P1 P1 P1\n";
    for (const std::string& rows : {std::string("2S 2H . 9C KS"), dead}) {
        Table table;
        table.setBottomRows(rows);
        Form1& form = table.form;
        form.state.ComboCount = 3;
        form.YakuL.Caption = "before";
        form.Gscore.Caption = "77";
        form.Timer1.setEnabled(true);
        form.Timer2.setEnabled(rows == dead);  // an all-dead well leaves it as the resolution set it
        form.AllChecker();
        EXPECT_EQ(form.state.ComboCount, 3);
        EXPECT_TRUE(!form.Timer1.Enabled() && form.Timer2.Enabled() && !form.Timer3.Enabled());
        EXPECT_EQ(form.YakuL.Caption + form.Gscore.Caption, "before77");
        EXPECT_TRUE(table.cues().empty());
        if (rows == dead) { EXPECT_EQ(form.state.ResolvedRowFirst, 50); }
    }
}

TEST(BoardScan, TheRowInPlayLiesAboveTheDeadRows) {
    Table table;
    table.setBottomRows(
        "2S . . . .\n"
        "3S 3H 5D 9C KS\n"
        "P4 P4 P4 P4 P4\n"
        "P2 P2 . P2 P2");
    Form1& form = table.form;
    form.Num(45).Tag = "2";
    form.Num(46).Tag = "x";  // a dead row's tags are never rewritten
    form.Num(47).Tag = "y";  // nor anything after the first counted pig
    form.AllChecker();
    EXPECT_EQ(form.state.ResolvedRowFirst, 35);
    EXPECT_EQ(form.state.ResolvedRowLast, 39);
    EXPECT_EQ(form.state.ResolvedHand, 0);
    EXPECT_EQ(form.Num(40).Tag, "4");
    EXPECT_EQ(form.Num(46).Tag, "x");
    EXPECT_EQ(form.Num(47).Tag, "y");
    EXPECT_EQ(form.Num(30).Tag, "2");
}

TEST(BoardScan, ValuesCardsAndNumbersPigCardsInScanOrder) {
    Table table;
    table.setBottomRows(
        ". PG . . .\n"
        ". . . . .\n"
        "AS PG JK 10D .\n"
        "KC QH PG 2S JD\n"
        "P3 P3 P3 P3 P3");
    Form1& form = table.form;
    form.AllChecker();
    const char* expected[][5] = {
        {"0", "15", "0", "0", "0"},
        {"0", "0", "0", "0", "0"},
        {"14", "17", "0", "10", "0"},
        {"13", "12", "19", "2", "11"},
        {"3", "3", "3", "3", "3"},
    };
    for (int i = 0; i < 25; ++i) EXPECT_EQ(form.Num(25 + i).Tag, expected[i / 5][i % 5]) << "cell " << 25 + i;
    // Values are given anew at every scan: the top pig gone, the others move up.
    form.board.clear(26);
    form.AllChecker();
    EXPECT_EQ(form.Num(36).Tag, "15");
    EXPECT_EQ(form.Num(42).Tag, "17");
}

}  // namespace
}  // namespace tumblehand
