#include "tests/support/game_fixture.h"

#include <algorithm>

namespace tumblehand {
namespace {

using testing::column;
using testing::Game;
using testing::RandomPick;
using testing::WeakestPick;

// picks: the random numbers in turn, W a weakest pick, R a random pick, a digit the column
// that a random draw hits.
std::vector<float> randoms(const std::string& picks) {
    std::vector<float> values;
    for (char p : picks)
        if (p != ' ') values.push_back(p == 'W' ? WeakestPick : p == 'R' ? RandomPick : column(p - '0'));
    return values;
}

TEST(Erace, PicksByCoinToss) {
    struct Case {
        const char *name, *row;
        bool jokerKeep;
        int burn;
        const char *picks, *after;
    };
    const Case cases[] = {
        {"the weakest is the 2 of clubs", "5C 2C 9H KS 2D", false, 1, "W", "5C . 9H KS 2D"},
        {"the leftmost of equal cards", "7D 3S 9H 3S KS", false, 1, "W", "7D . 9H 3S KS"},
        {"a diamond is weaker than a heart", "7S 3H 9S 3D KS", false, 1, "W", "7S 3H 9S . KS"},
        {"the rank before the suit", "3C 2S 9H KD AH", false, 1, "W", "3C . 9H KD AH"},
        {"the rightmost of joker and pig", "5C PG 9H JK KS", false, 1, "W", "5C PG 9H . KS"},
        {"a pig before weaker cards", "PG 5C 9H KS AS", false, 1, "W", ". 5C 9H KS AS"},
        {"the pig card under the marker", "5C JK 9H PG KS", true, 1, "W", "5C JK 9H . KS"},
        {"the joker without the marker", "5C JK 9H QS KS", false, 1, "W", "5C . 9H QS KS"},
        {"the 5 of clubs with the marker", "5C JK 9H QS KS", true, 1, "W", ". JK 9H QS KS"},
        {"a random joker under the marker", "5C JK 9H KS 2D", true, 1, "R1", "5C . 9H KS 2D"},
        {"a random draw on an empty cell draws again", "5C 2C 9H KS 2D", false, 2, "R2 R220", ". 2C . KS 2D"},
        {"three picks, mixed", "AS 2C 9H KS 2D", false, 3, "W R0 W", ". . 9H KS ."},
        {"random picks on an empty row erase nothing", ". . . . .", false, 3, "RRR", ". . . . ."},
        {"a random pick finds a lone card in the last cell", ". . . . 2D", false, 1, "R4", ". . . . ."},
        {"five jokers under the marker: only random picks erase", "JK JK JK JK JK", true, 5, "W R0 W W R2",
         ". JK . JK JK"},
        {"five jokers without the marker go right to left", "JK JK JK JK JK", false, 3, "WWW", "JK JK . . ."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        game.setBottomRows(std::string("AH AH AH AH AH ") + c.row);  // a row above stays put
        Form1& form = game.form;
        form.state.ResolvedRowFirst = 45;
        form.state.ResolvedRowLast = 49;
        form.Label3.Tag = c.jokerKeep ? "!" : "";
        for (float r : randoms(c.picks)) game.queueRandom(r);
        form.Erace(c.burn);
        EXPECT_EQ(game.row(45), c.after);
        EXPECT_EQ(game.row(40), "AH AH AH AH AH");
        EXPECT_TRUE(game.platform.randomQueue.empty()) << "random numbers left over";
        for (int i = 45; i < 50; ++i)
            if (form.board.isEmpty(i) && c.row[0] != '.') {
                EXPECT_EQ(form.Num(i).Tag, "0") << "cell " << i;
            }
    }
}

// A random pick draws only from the five cells from ResolvedRowFirst; when those are empty
// while cards lie further on up to a stray ResolvedRowLast, it ends without erasing.
TEST(Erace, ARandomPickFromAnEmptyRowEnds) {
    Game game;
    game.setBottomRows("KS . . . .  . . . . .  . . . . .  AS AS 3D JK .  . . . . .");  // KS just past the five
    const std::string before = boardText(game.form);
    game.form.state.ResolvedRowFirst = 20;
    game.form.state.ResolvedRowLast = 43;
    game.queueRandom(0.0f);
    game.form.Erace(1);
    EXPECT_EQ(boardText(game.form), before);
}

TEST(PigEracer, RemovesRunOutPigsWithTheirPoints) {
    struct Case {
        const char *name, *card, *tag;
        int cell;
        std::int32_t level, combo, multiplier;
        bool removed;
        const char *scoreBefore, *score, *total;
    };
    const Case cases[] = {
        {"a counter run out", "P0", "0", 45, 3, 2, 1, true, "1000", "1120", "120"},
        {"a counter below zero", "P-2", "-2", 45, 99, 3, 32, true, "1000", "191080", "190080"},
        {"the tag decides, not the caption", "P5", "0", 45, 1, 1, 1, true, "1000", "1020", "20"},
        {"a counter of 1", "P1", "1", 45, 3, 2, 1, false, "1000", "1000", "total"},
        {"a pig card", "PG", "15", 45, 3, 2, 1, false, "1000", "1000", "total"},
        {"another face with tag 0", "KS", "0", 45, 3, 2, 1, false, "1000", "1000", "total"},
        {"points saturate", "P0", "0", 45, 99, 40000, 32, true, "2000000000", "2147483647", "2147483647"},
        {"the first cell", "P0", "0", 0, 1, 1, 1, true, "1000", "1020", "20"},
        {"the last cell", "P0", "0", 49, 1, 1, 1, true, "1000", "1020", "20"},
        {"no cell before the first", "P0", "0", -1, 1, 1, 1, false, "1000", "1000", "total"},
        {"no cell after the last", "P0", "0", 50, 1, 1, 1, false, "1000", "1000", "total"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        Form1& form = game.form;
        // Out of the well, the pig lies in the nearest cell; it must stay there.
        const int cell = std::clamp(c.cell, 0, Board::Cells - 1);
        std::string cells;
        for (int i = 0; i < Board::Cells; ++i) cells += (i == cell ? std::string(c.card) : ".") + " ";
        game.setBoard(cells);
        form.Num(cell).Tag = c.tag;
        form.state.Level = c.level;
        form.state.ComboCount = c.combo;
        form.state.ScoreMultiplier = c.multiplier;
        form.Score.Caption = c.scoreBefore;
        form.TotalS.Caption = "total";
        form.PigEracer(c.cell);
        EXPECT_EQ(form.board.isEmpty(cell), c.removed);
        if (c.removed) {
            EXPECT_EQ(form.Num(cell).Caption, "");
        }
        EXPECT_EQ(form.Score.Caption + " " + form.TotalS.Caption, std::string(c.score) + " " + c.total);
    }
}

}  // namespace
}  // namespace tumblehand
