#include "board/numbers.h"
#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

using testing::Game;
using testing::WeakestPick;

// "multiplier joker-weight pig-weight marker | the NEXT pair | score | the resolved row" after the blink.
TEST(Timer3, EachHandChangesTheRates) {
    struct Case {
        const char *name, *row;
        std::int32_t multiplier;
        std::int16_t jokerWeight, pigWeight;
        bool marker;
        const char* after;
    };
    const Case cases[] = {
        {"one pair", "2S 2H 5D 9C KS", 5, 3, 4, false, "5 3 4 - | 7C QH | 50 | 2S . 5D 9C KS"},
        {"two pair", "2S 2H 5D 5C KS", 1, 2, 4, true, "1 2 4 ! | 7C QH | 50 | . . 5D 5C KS"},
        {"three of a kind 3", "2S 2H 2D 9C KS", 3, 2, 4, false, "4 2 4 - | 7C QH | 300 | . . . 9C KS"},
        {"three of a kind 11", "2S 2H 2D 9C KS", 11, 2, 4, false, "16 2 4 - | 7C QH | 1100 | . . . 9C KS"},
        {"three of a kind 12", "2S 2H 2D 9C KS", 12, 2, 4, false, "32 2 4 - | 7C QH | 1200 | . . . 9C KS"},
        {"straight keeps its joker", "5S 6H 7D 8C JK", 1, 4, 6, false, "1 4 2 ! | 7C QH | 1000 | . . . . JK"},
        {"flush", "2H 5H 9H JH KH", 2, 4, 6, true, "2 4 2 ! | 7C QH | 4000 | . . . . ."},
        {"full house 3", "AS AH AD KC KS", 3, 2, 5, false, "15 2 2 - | 7C QH | 15000 | . . . . ."},
        {"full house 4", "AS AH AD KC KS", 4, 2, 5, false, "32 2 2 - | 7C QH | 20000 | . . . . ."},
        {"four of a kind 9", "AS AH AD AC KS", 9, 8, 5, false, "32 10 2 - | JK JK | 72000 | . . . . ."},
        {"straight flush", "9H 10H JH QH KH", 1, 2, 5, false, "1 2 2 - | 7C QH | 15000 | . . . . ."},
        {"five of a kind erases its joker", "AS AH AD AC JK", 1, 2, 5, false, "1 10 2 ! | JK JK | 25000 | . . . . ."},
        {"royal straight flush 8", "10H JH QH KH AH", 8, 1, 4, false, "32 5 2 - | JK JK | 400000 | . . . . ."},
        {"no hand", "2S 5H 9D JC KH", 8, 6, 2, true, "1 2 2 - | 7C QH | 0 | P1 P1 P1 P1 P1"},
        {"no hand, pig weight 7", "2S 5H 9D JC KH", 1, 6, 7, false, "4 2 7 - | 7C QH | 0 | P1 P1 P1 P1 P1"},
        {"no hand, pig weight 100", "2S 5H 9D JC KH", 1, 6, 100, false, "32 2 100 - | 7C QH | 0 | P1 P1 P1 P1 P1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        Form1& form = game.form;
        game.setBottomRows(c.row);
        form.state.ScoreMultiplier = c.multiplier;
        form.state.JokerWeight = c.jokerWeight;
        form.state.PigWeight = c.pigWeight;
        form.Label3.Tag = c.marker ? "!" : "";
        form.NextCard = {Picture{CardFace::Club}, Picture{CardFace::Heart}};  // a pair the player already sees
        form.NextNum[0].Caption = "7", form.NextNum[1].Caption = "Q";
        game.queueRandom(WeakestPick, 5);
        form.AllChecker();
        game.runBlink();
        const GameState& s = form.state;
        EXPECT_EQ(decimal(s.ScoreMultiplier) + " " + decimal(s.JokerWeight) + " " + decimal(s.PigWeight) + " " +
                      (form.Label3.Tag == "!" ? "!" : "-") + " | " + game.next() + " | " + form.Score.Caption + " | " +
                      game.row(45),
                  c.after);
        EXPECT_EQ(s.Level, 1);
    }
}

// rows: the lowest rows, the resolved row just above the dead rows; after: the lowest three
// rows afterwards, separated by " | ".
struct PigEffectCase {
    const char *name, *rows;
    std::int32_t level, multiplier;
    const char *score, *after;
};

const PigEffectCase PigEffects[] = {
    {"one pair over counters 3", "2S 2H 5D 9C KS  P3 P3 P3 P3 P3", 1, 1, "10",
     ". . . . . | 2S . 5D 9C KS | P2 P2 P2 P2 P2"},
    {"three of a kind over counters 3, at the new multiplier", "2S 2H 2D 9C KS  P3 P3 P3 P3 P3", 1, 1, "300",
     ". . . . . | . . . . . | . . . 9C KS"},
    {"full house pays pigs at the new multiplier", "AS AH AD KC KS  P9 P9 P9 P9 P9", 1, 3, "16500",
     ". . . . . | . . . . . | . . . . ."},
    {"only the row directly below", "2S 2H 5D 9C KS  P3 P3 P3 P3 P3  P3 P3 P3 P3 P3", 1, 1, "10",
     "2S . 5D 9C KS | P2 P2 P2 P2 P2 | P3 P3 P3 P3 P3"},
    {"flush at level 3", "2H 5H 9H JH KH  P60 P60 P60 P60 P60", 3, 1, "2000",
     ". . . . . | . . . . . | P58 P58 P58 P58 P58"},
    {"flush at level 99", "2H 5H 9H JH KH  P60 P60 P60 P60 P60", 99, 1, "2000",
     ". . . . . | . . . . . | P10 P10 P10 P10 P10"},
    {"flush over every dead row", "2H 5H 9H JH KH  P1 P1 P1 P1 P1  P5 P5 P5 P5 P5", 1, 1, "2100",
     ". . . . . | . . . . . | P4 P4 P4 P4 P4"},
    {"straight flush clears every dead row", "9H 10H JH QH KH  P7 P7 P7 P7 P7  P9 P9 P9 P9 P9", 1, 1, "15200",
     ". . . . . | . . . . . | . . . . ."},
};

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
        EXPECT_EQ(form.Score.Caption + " " + table.row(35) + " | " + table.row(40) + " | " + table.row(45),
                  std::string(c.score) + " " + c.after);
        EXPECT_TRUE(form.Timer2.Enabled());
        for (int i = 0; i < Board::Cells; ++i)
            if (form.board.isCountedPig(i)) {
                EXPECT_EQ(form.Num(i).Tag, form.Num(i).Caption) << "cell " << i;
            }
    }
}

// A row of five pig cards: level 99, the pig weight doubled up to 10, the joker weight 10, the
// marker gone; "pig weight multiplier" after.
TEST(Timer3, PigSpecial) {
    struct Case {
        std::int32_t level, comboBefore;
        std::int16_t pigWeight;
        std::int32_t multiplier;
        const char *shown, *score, *after;
    };
    const Case cases[] = {{3, 1, 2, 5, "300000", "60000", "4 2"},
                          {3, 1, 8, 1, "60000", "240000", "10 32"},
                          {1, 0, 3, 1, "10000", "20000", "6 6"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        Game game;
        Form1& form = game.form;
        game.setBottomRows("PG PG PG PG PG");
        form.state.Level = c.level;
        form.state.ComboCount = c.comboBefore;
        form.state.PigWeight = c.pigWeight;
        form.state.ScoreMultiplier = c.multiplier;
        form.state.JokerWeight = 4;
        form.Label3.Tag = "!";
        form.AllChecker();
        EXPECT_EQ(form.Gscore.Caption, c.shown);
        game.runBlink();
        EXPECT_EQ(form.Score.Caption + " " + form.TotalS.Caption, std::string(c.score) + " " + c.score);
        EXPECT_EQ(decimal(form.state.PigWeight) + " " + decimal(form.state.ScoreMultiplier), c.after);
        EXPECT_EQ(decimal(form.state.JokerWeight) + " " + decimal(form.state.Level) + form.Label3.Tag, "10 99");
        EXPECT_EQ(game.row(45), "P99 P99 P99 P99 P99");
        for (int i = 45; i < 50; ++i) EXPECT_EQ(form.Num(i).Tag, "99");
    }
}

// A blink that ends with no row on the board (ResolvedRowFirst 50, as only a damaged
// state has it) applies nothing; the scan then finds the full row as usual.
TEST(Timer3, ABlinkWithoutARowAppliesNothing) {
    Game game;
    Form1& form = game.form;
    game.setBottomRows("2C 2H 5H 9H JH");
    form.state.ComboCount = 1;  // the one pair of ResolvedHand 0 would pay 10
    form.state.ScoreMultiplier = 1;
    form.state.ResolvedRowFirst = 50;
    form.state.ResolvedRowLast = 54;
    form.state.BlinkTick = 9;
    form.Timer3.setEnabled(true);
    form.Timer3_Timer();
    EXPECT_EQ(form.Score.Caption + " " + game.row(45) + " " + decimal(form.state.ResolvedRowFirst),
              "0 2C 2H 5H 9H JH 45");
}

// The one pair loses its 2 of clubs; the king above drops in and makes a flush, one second
// after the first cue; the chain ends only when the next pair enters.
TEST(Timer3, AChainScoresEachLinkTimesItsCombo) {
    Game game;
    Form1& form = game.form;
    game.setBottomRows("KH . . . .  2C 2H 5H 9H JH");
    game.queueRandom(WeakestPick, 6);
    form.AllChecker();
    EXPECT_EQ(form.Gscore.Caption, "10");
    for (int tick = 1; tick <= 9; ++tick) form.Timer3_Timer();
    EXPECT_FALSE(form.YakuL.Visible || form.Gscore.Visible) << "the hand and its points blink";
    EXPECT_EQ(game.events(PlatformEvent::Kind::PlayCue).size(), 1u);
    form.Timer3_Timer();
    EXPECT_EQ(form.Score.Caption + " " + game.row(45) + " " + form.Gscore.Caption, "10 KH 2H 5H 9H JH 4000");
    EXPECT_EQ(form.state.ComboCount, 2);
    EXPECT_TRUE(form.Timer3.Enabled() && !form.Timer2.Enabled());
    EXPECT_EQ(game.events(PlatformEvent::Kind::PlayCue),
              (std::vector<std::string>{"/nonexistent/sound/pn.wav", "/nonexistent/sound/Flush.wav"}));
    for (int tick = 1; tick <= 9; ++tick) form.Timer3_Timer();
    EXPECT_EQ(form.Score.Caption, "10") << "the second link blinks ten ticks too";
    form.Timer3_Timer();
    EXPECT_EQ(form.Score.Caption + " " + form.TotalS.Caption + " " + game.row(45), "4010 4010 . . . . .");
    // The chain's end hides the hand.
    EXPECT_TRUE(form.Timer2.Enabled() && !form.YakuL.Visible && !form.Gscore.Visible);
}

}  // namespace
}  // namespace tumblehand
