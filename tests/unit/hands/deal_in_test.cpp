#include "play/key_codes.h"
#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

struct DealIn : testing::GameTest {
    void SetUp() override {
        form.Start_Click();
        queueCodes({1, 26});  // ace of spades, king of hearts
    }
};

struct Geometry {
    int tick;
    int cardLeft, cardWidth, numLeft, numWidth;
};

TEST_F(DealIn, SlidesTurnsAndDropsEachCardIn18Ticks) {
    const Geometry table[] = {{1, 2520, 480, 1080, 480},  {13, 1080, 480, 1080, 480}, {14, 1195, 250, 1080, 480},
                              {15, 1310, 20, 1080, 480},  {16, 1195, 250, 1195, 250}, {17, 1080, 480, 1080, 480},
                              {19, 2520, 480, 1080, 480}, {32, 1195, 250, 1080, 480}, {35, 1080, 480, 1080, 480}};
    int done = 0;
    for (const Geometry& g : table) {
        ticks(g.tick - done);
        done = g.tick;
        SCOPED_TRACE(g.tick);
        EXPECT_EQ(std::vector({form.MoveCard.Left, form.MoveCard.Width, form.MoveNum.Left, form.MoveNum.Width}),
                  std::vector({g.cardLeft, g.cardWidth, g.numLeft, g.numWidth}));
        const bool faceUp = g.tick % 18 >= 16;
        const CardFace face = g.tick < 18 ? CardFace::Spade : CardFace::Heart;
        EXPECT_EQ(form.MoveCard.Face, faceUp ? face : CardFace::Back);
        EXPECT_EQ(form.MoveNum.Caption, faceUp ? (g.tick < 18 ? "A" : "K") : "");
    }
}

TEST_F(DealIn, PlacesThePairVerticallyAndHandsOverToGravity) {
    ticks(18);
    EXPECT_EQ(form.Mas(2).Face, CardFace::Spade);
    EXPECT_EQ(form.state.DealPhase, 1);
    EXPECT_EQ(form.MoveCard.Left, 2640);
    EXPECT_EQ(form.MoveCard.Face, CardFace::Back);
    EXPECT_FALSE(form.Timer1.Enabled());  // the pair's cells and gravity after the second card: whole_game.scn
}

TEST_F(DealIn, GravityAndLevelFollowThePairs) {
    struct Row {
        int pairs, interval, level;
        const char* label;
    };
    const Row table[] = {{1, 1000, 1, "LV1"}, {10, 910, 1, "LV1"},   {11, 900, 2, "LV2"},
                         {90, 110, 9, "LV9"}, {91, 100, 10, "LV10"}, {92, 100, 10, "LV10"}};
    int done = 0;
    for (const Row& row : table) {
        for (; done < row.pairs; ++done) {
            if (done == row.pairs - 1) form.state.Level = 99;  // a pig special is replaced
            ticks(36);
            for (int i = 0; i < Board::Cells; ++i) form.board.clear(i);
        }
        SCOPED_TRACE(row.pairs);
        EXPECT_EQ(std::vector({int(form.state.GravityInterval), int(form.Timer1.Interval()), int(form.state.Level)}),
                  std::vector({row.interval, row.interval, row.level}));
        EXPECT_EQ(form.Label5.Caption, row.label);
    }
}

}  // namespace
}  // namespace tumblehand
