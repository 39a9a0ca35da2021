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
    EXPECT_EQ(form.YakuL.Caption, "\uFF26\uFF2C\uFF35\uFF33\uFF28");
    EXPECT_TRUE(form.Timer3.Enabled() && !form.Timer2.Enabled());
    EXPECT_EQ(game.events(PlatformEvent::Kind::PlayCue),
              (std::vector<std::string>{"/nonexistent/sound/pn.wav", "/nonexistent/sound/Flush.wav"}));
    game.runBlink();
    EXPECT_EQ(form.Score.Caption + " " + form.TotalS.Caption + " " + game.row(45), "4010 4010 . . . . .");
    EXPECT_TRUE(form.Timer2.Enabled());
    EXPECT_EQ(form.state.ComboCount, 2);
}

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

// The captions by code point: full-width letters and digits, an ordinary space in the
// full house, an ideographic space in the plain pig row.
const std::string Royal = "ROYAL STRAIGHT FLUSH", FiveCard = "\uFF15\uFF23\uFF21\uFF32\uFF24",
                  StraightFlush = "STRAIGHT FLUSH", FourCard = "\uFF14\uFF23\uFF21\uFF32\uFF24",
                  FullHouse = "\uFF26\uFF35\uFF2C\uFF2C \uFF28\uFF2F\uFF35\uFF33\uFF25",
                  FlushName = "\uFF26\uFF2C\uFF35\uFF33\uFF28",
                  StraightName = "\uFF33\uFF34\uFF32\uFF21\uFF29\uFF27\uFF28\uFF34",
                  ThreeCard = "\uFF13\uFF23\uFF21\uFF32\uFF24", TwoPairName = "\uFF12\uFF30\uFF21\uFF29\uFF32",
                  OnePair = "\uFF11\uFF30\uFF21\uFF29\uFF32", Buta = "\u3076\u3000\u305F",
                  PigSpecial = "\u3076\u305F\u30B9\u30DA\u30B7\u30E3\u30EB";

TEST(BoardScan, NamesScoresAndCuesTheStrongestHandOfTheRow) {
    // hand 10, the pig row, is shown in red, every hand in blue; flags of hands 0..9 when given.
    struct Case {
        const char* row;
        int comboBefore;
        std::int32_t multiplier, level;
        int hand;
        const std::string* caption;
        const char *points, *cue, *flags;
    };
    const Case cases[] = {
        {"JK JK JK JK JK", 0, 1, 1, 9, &Royal, "50000", "up2", "1011101111"},
        {"9H 10H JH QH KH", 0, 1, 1, 7, &StraightFlush, "15000", "up", ""},
        {"10H JH QH KS JK", 0, 1, 1, 3, &StraightName, "1000", "ph", ""},
        {"10H JH QH JK 5H", 0, 1, 1, 4, &FlushName, "2000", "Flush", ""},  // one joker covers one rank
        {"AS AH JK JK KD", 0, 1, 1, 6, &FourCard, "8000", "up", "1010001000"},
        {"AS AH AD AC AS", 0, 1, 1, 8, &FiveCard, "25000", "up2", "1010001010"},  // four, never a full house
        {"AS AH KD KC JK", 0, 1, 1, 5, &FullHouse, "5000", "up", ""},
        {"AS AS AS KS KS", 0, 1, 1, 7, &StraightFlush, "15000", "up", ""},
        {"2H 5H 9H JH KH", 2, 32, 1, 4, &FlushName, "192000", "Flush", ""},
        {"2S 2H 2D 9C KS", 0, 1, 1, 2, &ThreeCard, "100", "te", ""},
        {"2S 2H 5D 5C KS", 0, 1, 1, 1, &TwoPairName, "50", "pe", ""},
        {"2S 2H 5D 9C KS", 1, 4, 1, 0, &OnePair, "80", "pn", ""},
        {"2S 5H 9D JC KH", 0, 1, 1, 10, &Buta, "0", "boo", ""},
        {"PG PG PG PG PG", 1, 2, 3, 10, &PigSpecial, "120000", "boo", ""},
        {"PG PG PG PG PG", 67, 32, 99, 10, &PigSpecial, "2147483647", "boo", ""},
        {"PG PG PG PG JK", 0, 1, 1, 10, &Buta, "0", "boo", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        Game game;
        game.setBottomRows(c.row);
        Form1& form = game.form;
        form.state.ComboCount = c.comboBefore;
        form.state.ScoreMultiplier = c.multiplier;
        form.state.Level = c.level;
        form.Timer1.setEnabled(true);
        form.Timer2.setEnabled(true);
        form.AllChecker();
        const std::vector<std::string> cues = game.events(PlatformEvent::Kind::PlayCue);
        EXPECT_EQ(std::to_string(form.state.ResolvedHand) + " " + form.YakuL.Caption + " " + form.Gscore.Caption + " " +
                      (cues.size() == 1 ? cues[0] : "?") + " " + game.row(45),  // the scan changes no card
                  std::to_string(c.hand) + " " + *c.caption + " " + c.points + " /nonexistent/sound/" + c.cue +
                      ".wav " + c.row);
        EXPECT_EQ(form.YakuL.ForeColor, c.hand == 10 ? colors::Red : colors::Blue);
        EXPECT_TRUE(form.YakuL.Visible && form.Gscore.Visible && form.Timer3.Enabled() && !form.Timer1.Enabled() &&
                    !form.Timer2.Enabled());
        EXPECT_EQ(form.state.ComboCount, c.comboBefore + 1);
        EXPECT_EQ(form.state.ResolvedRowFirst + form.state.ResolvedRowLast, 45 + 49);
        std::string flags;
        for (std::int16_t flag : form.state.HandFlags) flags += flag == True16 ? '1' : '0';
        if (*c.flags) {
            EXPECT_EQ(flags, c.flags);
        }
    }
}

}  // namespace
}  // namespace tumblehand
