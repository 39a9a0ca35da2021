#include <gtest/gtest.h>

#include "board/form1.h"
#include "tools/fake/fake_platform.h"

namespace tumblehand {
namespace {

// A random number that makes Int(r × W) + 1 come out as code.
float pick(int code, int codes) { return (static_cast<float>(code) - 0.5f) / static_cast<float>(codes); }

struct Dealing : ::testing::Test {
    FakePlatform platform;
    Form1 form{platform};

    void SetUp() override {
        form.Form_Load();
        form.state.PigWeight = 2;
        form.state.JokerWeight = 2;
    }
    void queue(std::initializer_list<int> codes, int w = 56) {
        for (int code : codes) platform.randomQueue.push_back(pick(code, w));
    }
    void put(int cell, CardFace face, std::string text) {
        form.Mas(cell).Face = face;
        form.Num(cell).Caption = std::move(text);
    }
};

TEST_F(Dealing, ShowsCardZeroBelowAndCardOneAbove) {
    queue({1, 26});  // A of spades, K of hearts
    form.Nexter();
    EXPECT_EQ(form.NextCard[0].Face, CardFace::Spade);
    EXPECT_EQ(form.NextNum[0].Caption, "A");
    EXPECT_EQ(form.NextCard[1].Face, CardFace::Heart);
    EXPECT_EQ(form.NextNum[1].Caption, "K");
    EXPECT_EQ(form.state.NextCodes[0], 1);
    EXPECT_EQ(form.state.NextCodes[1], 26);
}

TEST_F(Dealing, CodesMapToFacesAndRanks) {
    struct Case { int code; CardFace face; const char* text; };
    const Case cases[] = {{13, CardFace::Spade, "K"},   {14, CardFace::Heart, "A"},
                          {27, CardFace::Diamond, "A"}, {39, CardFace::Diamond, "K"},
                          {49, CardFace::Club, "10"},   {53, CardFace::Pig, ""},
                          {54, CardFace::Pig, ""},      {55, CardFace::Joker, ""},
                          {56, CardFace::Joker, ""}};
    for (const Case& c : cases) {
        queue({c.code, 2});
        form.Nexter();
        EXPECT_EQ(form.NextCard[0].Face, c.face) << c.code;
        EXPECT_EQ(form.NextNum[0].Caption, c.text) << c.code;
    }
}

TEST_F(Dealing, RejectsStandardCardsAlreadyOnTheBoard) {
    put(30, CardFace::Spade, "A");
    put(31, CardFace::Heart, "2");
    queue({1, 15, 3, 1, 15, 4});  // A♠ and 2♥ are rejected for both cards
    form.Nexter();
    EXPECT_EQ(form.state.NextCodes[0], 3);
    EXPECT_EQ(form.state.NextCodes[1], 4);
}

TEST_F(Dealing, CountedPigSevenBlocksTheSevenOfSpadesOnly) {
    for (const char* counter : {"7", "1", "12", "99"}) {
        put(45, CardFace::Pig, counter);
        queue({7, 8, 9});
        form.Nexter();
        const bool blocks = std::string(counter) == "7";
        EXPECT_EQ(form.state.NextCodes[0], blocks ? 8 : 7) << counter;
        platform.randomQueue.clear();
    }
}

TEST_F(Dealing, CardOneIsRedrawnWhenBothAreSpecialOrEqual) {
    queue({53, 55, 53, 10});  // a pig, then a joker and the same code are refused
    form.Nexter();
    EXPECT_EQ(form.NextCard[0].Face, CardFace::Pig);
    EXPECT_EQ(form.state.NextCodes[1], 10);
    EXPECT_TRUE(platform.randomQueue.empty());

    queue({5, 5, 6});  // equal standard codes: card 1 is drawn again
    form.Nexter();
    EXPECT_EQ(form.state.NextCodes[0], 5);
    EXPECT_EQ(form.state.NextCodes[1], 6);
}

TEST_F(Dealing, HiddenFrameShowsBacksAndKeepsTheCodes) {
    queue({20, 30});
    form.Nexter();
    form.state.HideNext = true;
    for (auto [face, text] : {std::pair{CardFace::Empty, ""}, std::pair{CardFace::Pig, ""},
                              std::pair{CardFace::Spade, "5"}}) {
        put(45, face, text);
        form.Nexter();
        EXPECT_EQ(form.NextCard[0].Face, CardFace::Back);
        EXPECT_EQ(form.NextCard[1].Face, CardFace::Back);
        EXPECT_EQ(form.NextNum[0].Caption, "");
        EXPECT_EQ(form.NextNum[1].Caption, "");
        EXPECT_EQ(form.state.NextCodes[0], 20);
        EXPECT_EQ(form.state.NextCodes[1], 30);
    }
}

TEST_F(Dealing, CountedPigInCell45RevealsTheNextPair) {
    form.state.HideNext = true;
    put(45, CardFace::Pig, "3");
    queue({2, 3});
    form.Nexter();
    EXPECT_EQ(form.NextCard[0].Face, CardFace::Spade);
    EXPECT_EQ(form.NextNum[0].Caption, "2");
}

TEST_F(Dealing, BoostedWeightsGive252CodesWithinAByte) {
    form.state.PigWeight = 100;
    form.state.JokerWeight = 100;
    platform.randomQueue = {0.99999994f, 0.0f};
    form.Nexter();
    EXPECT_EQ(form.state.NextCodes[0], 252);
    EXPECT_EQ(form.NextCard[0].Face, CardFace::Joker);
    EXPECT_EQ(form.state.NextCodes[1], 1);
    queue({152, 153}, 252);  // the last pig code, the first joker code
    form.Nexter();
    EXPECT_EQ(form.NextCard[0].Face, CardFace::Pig);
}

TEST_F(Dealing, WeightsOutsideAnyGameStillDealWithinAByte) {
    // Weights never leave 2..10 or 100 in play; a stray value must not hang the draw.
    struct Case { std::int16_t pig; std::int16_t joker; int codes; };
    for (const Case c : {Case{-52, -52, 52}, Case{-1, 3, 55}, Case{300, 300, 255}}) {
        form.state.PigWeight = c.pig;
        form.state.JokerWeight = c.joker;
        platform.randomQueue = {0.99999994f, 0.0f};
        form.Nexter();
        EXPECT_EQ(form.state.NextCodes[0], c.codes) << c.pig << " " << c.joker;
        EXPECT_EQ(form.state.NextCodes[1], 1);
    }
}

}  // namespace
}  // namespace tumblehand
