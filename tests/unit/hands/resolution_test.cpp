#include <gtest/gtest.h>

#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

using testing::Game;
using testing::WeakestPick;

struct EffectCase { const char *name, *row; std::int32_t multiplier; std::int16_t jokerWeight, pigWeight; bool markerBefore; std::int32_t multiplierAfter; std::int16_t jokerWeightAfter, pigWeightAfter; bool markerAfter, twoJokersNext; const char *score, *rowAfter; };

const EffectCase Effects[] = {
    {"one pair", "2S 2H 5D 9C KS", 5, 3, 4, false, 5, 3, 4, false, false, "50", "2S . 5D 9C KS"},
    {"two pair", "2S 2H 5D 5C KS", 1, 2, 4, true, 1, 2, 4, true, false, "50", ". . 5D 5C KS"},
    {"three of a kind 3", "2S 2H 2D 9C KS", 3, 2, 4, false, 4, 2, 4, false, false, "300", ". . . 9C KS"},
    {"three of a kind 11", "2S 2H 2D 9C KS", 11, 2, 4, false, 16, 2, 4, false, false, "1100", ". . . 9C KS"},
    {"three of a kind 12", "2S 2H 2D 9C KS", 12, 2, 4, false, 32, 2, 4, false, false, "1200", ". . . 9C KS"},
    {"straight keeps its joker", "5S 6H 7D 8C JK", 1, 4, 6, false, 1, 4, 2, true, false, "1000", ". . . . JK"},
    {"flush", "2H 5H 9H JH KH", 2, 4, 6, true, 2, 4, 2, true, false, "4000", ". . . . ."},
    {"full house 3", "AS AH AD KC KS", 3, 2, 5, false, 15, 2, 2, false, false, "15000", ". . . . ."},
    {"full house 4", "AS AH AD KC KS", 4, 2, 5, false, 32, 2, 2, false, false, "20000", ". . . . ."},
    {"four of a kind 9", "AS AH AD AC KS", 9, 8, 5, false, 32, 10, 2, false, true, "72000", ". . . . ."},
    {"straight flush", "9H 10H JH QH KH", 1, 2, 5, false, 1, 2, 2, false, false, "15000", ". . . . ."},
    {"five of a kind erases its joker", "AS AH AD AC JK", 1, 2, 5, false, 1, 10, 2, true, true, "25000", ". . . . ."},
    {"royal straight flush 8", "10H JH QH KH AH", 8, 1, 4, false, 32, 5, 2, false, true, "400000", ". . . . ."},
    {"no hand", "2S 5H 9D JC KH", 8, 6, 2, true, 1, 2, 2, false, false, "0", "P1 P1 P1 P1 P1"},
    {"no hand, pig weight 7", "2S 5H 9D JC KH", 1, 6, 7, false, 4, 2, 7, false, false, "0", "P1 P1 P1 P1 P1"},
    {"no hand, pig weight 100", "2S 5H 9D JC KH", 1, 6, 100, false, 32, 2, 100, false, false, "0", "P1 P1 P1 P1 P1"},
};

TEST(Timer3, EachHandChangesTheRates) {
    for (const EffectCase& c : Effects) {
        SCOPED_TRACE(c.name);
        Game table;
        Form1& form = table.form;
        table.setBottomRows(c.row);
        form.state.ScoreMultiplier = c.multiplier;
        form.state.JokerWeight = c.jokerWeight;
        form.state.PigWeight = c.pigWeight;
        form.Label3.Tag = c.markerBefore ? "!" : "";
        form.NextCard = {Picture{CardFace::Club}, Picture{CardFace::Heart}};  // a pair the player already sees
        form.NextNum[0].Caption = "7";
        form.NextNum[1].Caption = "Q";
        table.queueRandom(WeakestPick, 5);

        form.AllChecker();
        table.runBlink();

        EXPECT_EQ(form.state.ScoreMultiplier, c.multiplierAfter);
        EXPECT_EQ(form.state.JokerWeight, c.jokerWeightAfter);
        EXPECT_EQ(form.state.PigWeight, c.pigWeightAfter);
        EXPECT_EQ(form.Label3.Tag, c.markerAfter ? "!" : "");
        EXPECT_EQ(cardTokenOf(form.NextCard[0].Face, form.NextNum[0].Caption) + " " +
                      cardTokenOf(form.NextCard[1].Face, form.NextNum[1].Caption),
                  c.twoJokersNext ? "JK JK" : "7C QH");
        EXPECT_EQ(form.Score.Caption, c.score);
        EXPECT_EQ(table.row(45), c.rowAfter);
        EXPECT_EQ(form.state.Level, 1);
    }
}

// rows: the lowest rows, the resolved row just above the dead rows; after: the lowest three
// rows afterwards, separated by " | ".
struct PigEffectCase { const char *name, *rows; std::int32_t level, multiplier; const char *score, *after; };

const PigEffectCase PigEffects[] = {
    {"one pair over counters 3", "2S 2H 5D 9C KS  P3 P3 P3 P3 P3", 1, 1, "10", ". . . . . | 2S . 5D 9C KS | P2 P2 P2 P2 P2"},
    {"three of a kind over counters 3, at the new multiplier", "2S 2H 2D 9C KS  P3 P3 P3 P3 P3", 1, 1, "300", ". . . . . | . . . . . | . . . 9C KS"},
    {"full house pays pigs at the new multiplier", "AS AH AD KC KS  P9 P9 P9 P9 P9", 1, 3, "16500", ". . . . . | . . . . . | . . . . ."},
    {"four of a kind", "AS AH AD AC KS  P9 P9 P9 P9 P9", 2, 1, "8400", ". . . . . | . . . . . | . . . . ."},
    {"five of a kind", "AS AH AD AC JK  P9 P9 P9 P9 P9", 1, 1, "25100", ". . . . . | . . . . . | . . . . ."},
    {"only the row directly below", "2S 2H 5D 9C KS  P3 P3 P3 P3 P3  P3 P3 P3 P3 P3", 1, 1, "10", "2S . 5D 9C KS | P2 P2 P2 P2 P2 | P3 P3 P3 P3 P3"},
    {"flush at level 3", "2H 5H 9H JH KH  P60 P60 P60 P60 P60", 3, 1, "2000", ". . . . . | . . . . . | P58 P58 P58 P58 P58"},
    {"flush at level 10", "2H 5H 9H JH KH  P60 P60 P60 P60 P60", 10, 1, "2000", ". . . . . | . . . . . | P55 P55 P55 P55 P55"},
    {"flush at level 99", "2H 5H 9H JH KH  P60 P60 P60 P60 P60", 99, 1, "2000", ". . . . . | . . . . . | P10 P10 P10 P10 P10"},
    {"flush over every dead row", "2H 5H 9H JH KH  P1 P1 P1 P1 P1  P5 P5 P5 P5 P5", 1, 1, "2100", ". . . . . | . . . . . | P4 P4 P4 P4 P4"},
    {"straight flush clears every dead row", "9H 10H JH QH KH  P7 P7 P7 P7 P7  P9 P9 P9 P9 P9", 1, 1, "15200", ". . . . . | . . . . . | . . . . ."},
    {"royal straight flush at the new multiplier", "10H JH QH KH AH  P50 P50 P50 P50 P50", 1, 1, "50300", ". . . . . | . . . . . | . . . . ."},
};

std::string lowestRows(const Game& table) {
    return table.row(35) + " | " + table.row(40) + " | " + table.row(45);
}

TEST(Timer3, PigEffects) {
    for (const PigEffectCase& c : PigEffects) {
        SCOPED_TRACE(c.name);
        Game table;
        Form1& form = table.form;
        table.setBottomRows(c.rows);
        form.state.Level = c.level;
        form.state.ScoreMultiplier = c.multiplier;
        table.queueRandom(WeakestPick, 5);

        form.AllChecker();
        table.runBlink();

        EXPECT_EQ(form.Score.Caption, c.score);
        EXPECT_EQ(lowestRows(table), c.after);
        EXPECT_TRUE(form.Timer2.Enabled());
        for (int i = 0; i < Board::Cells; ++i)
            if (form.board.isCountedPig(i)) { EXPECT_EQ(form.Num(i).Tag, form.Num(i).Caption) << "cell " << i; }
    }
}

struct SpecialCase { const char* name; std::int32_t level, comboBefore; std::int16_t pigWeight; std::int32_t multiplier; const char *shown, *score; std::int16_t pigWeightAfter; std::int32_t multiplierAfter; };

const SpecialCase Specials[] = {
    {"level 3, combo 2", 3, 1, 2, 5, "300000", "60000", 4, 2},
    {"pig weight 8 stops at 10", 3, 1, 8, 1, "60000", "240000", 10, 32},
    {"pig weight 3", 1, 0, 3, 1, "10000", "20000", 6, 6},
};

TEST(Timer3, PigSpecial) {
    for (const SpecialCase& c : Specials) {
        SCOPED_TRACE(c.name);
        Game table;
        Form1& form = table.form;
        table.setBottomRows("PG PG PG PG PG");
        form.state.Level = c.level;
        form.state.ComboCount = c.comboBefore;
        form.state.PigWeight = c.pigWeight;
        form.state.ScoreMultiplier = c.multiplier;
        form.state.JokerWeight = 4;
        form.Label3.Tag = "!";
        form.AllChecker();
        EXPECT_EQ(form.Gscore.Caption, c.shown);
        table.runBlink();
        EXPECT_EQ(form.Score.Caption + " " + form.TotalS.Caption, std::string(c.score) + " " + c.score);
        EXPECT_EQ(form.state.PigWeight, c.pigWeightAfter);
        EXPECT_EQ(form.state.JokerWeight, 10);
        EXPECT_EQ(form.state.Level, 99);
        EXPECT_EQ(form.state.ScoreMultiplier, c.multiplierAfter);
        EXPECT_EQ(form.Label3.Tag, "");
        EXPECT_EQ(table.row(45), "P99 P99 P99 P99 P99");
        for (int i = 45; i < 50; ++i) EXPECT_EQ(form.Num(i).Tag, "99");
    }
}

TEST(Timer3, AChainScoresEachLinkTimesItsCombo) {
    Game table;
    Form1& form = table.form;
    // The one pair loses its 2 of clubs; the king above drops in and makes a flush.
    table.setBottomRows(
        "KH . . . .\n"
        "2C 2H 5H 9H JH");
    table.queueRandom(WeakestPick, 6);
    form.AllChecker();
    EXPECT_EQ(form.Gscore.Caption, "10");
    for (int tick = 1; tick <= 9; ++tick) form.Timer3_Timer();
    EXPECT_EQ(table.events(PlatformEvent::Kind::PlayCue).size(), 1u);

    form.Timer3_Timer();  // one second after the first cue
    EXPECT_EQ(form.Score.Caption, "10");
    EXPECT_EQ(table.row(45), "KH 2H 5H 9H JH");
    EXPECT_EQ(form.state.ComboCount, 2);
    EXPECT_EQ(form.YakuL.Caption, "\uFF26\uFF2C\uFF35\uFF33\uFF28");
    EXPECT_EQ(form.Gscore.Caption, "4000");
    EXPECT_TRUE(form.Timer3.Enabled());
    EXPECT_FALSE(form.Timer2.Enabled());
    EXPECT_EQ(table.events(PlatformEvent::Kind::PlayCue),
              (std::vector<std::string>{"/nonexistent/sound/pn.wav", "/nonexistent/sound/Flush.wav"}));

    table.runBlink();
    EXPECT_EQ(form.Score.Caption, "4010");
    EXPECT_EQ(form.TotalS.Caption, "4010");
    EXPECT_EQ(table.row(45), ". . . . .");
    EXPECT_TRUE(form.Timer2.Enabled());
    EXPECT_EQ(form.state.ComboCount, 2);  // the chain ends only when the next pair enters
}

}  // namespace
}  // namespace tumblehand
