#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

using testing::Game;

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
