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
    struct Card { CardFace face; const char* text; };
    struct Case { int code0; int code1; Card card0; Card card1; };
    const Case cases[] = {
        {1, 26, {CardFace::Spade, "A"}, {CardFace::Heart, "K"}},
        {13, 14, {CardFace::Spade, "K"}, {CardFace::Heart, "A"}},
        {27, 39, {CardFace::Diamond, "A"}, {CardFace::Diamond, "K"}},
        {49, 53, {CardFace::Club, "10"}, {CardFace::Pig, ""}},
        {54, 2, {CardFace::Pig, ""}, {CardFace::Spade, "2"}},
        {55, 3, {CardFace::Joker, ""}, {CardFace::Spade, "3"}},
        {56, 4, {CardFace::Joker, ""}, {CardFace::Spade, "4"}},
    };
    for (const Case& c : cases) {
        queue({c.code0, c.code1});
        form.Nexter();
        EXPECT_EQ(form.state.NextCodes[0], c.code0);
        EXPECT_EQ(form.state.NextCodes[1], c.code1);
        EXPECT_EQ(form.NextCard[0].Face, c.card0.face) << c.code0;
        EXPECT_EQ(form.NextNum[0].Caption, c.card0.text) << c.code0;
        EXPECT_EQ(form.NextCard[1].Face, c.card1.face) << c.code1;
        EXPECT_EQ(form.NextNum[1].Caption, c.card1.text) << c.code1;
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

TEST_F(Dealing, WeightsSetTheNumberOfCodesWithinAByte) {
    // 100/100 is the boosted game; the others never occur in play but must not hang the draw.
    struct Case { std::int16_t pig; std::int16_t joker; int codes; };
    for (const Case c : {Case{100, 100, 252}, Case{-52, -52, 52}, Case{-1, 3, 55}, Case{300, 300, 255}}) {
        form.state.PigWeight = c.pig;
        form.state.JokerWeight = c.joker;
        platform.randomQueue = {0.99999994f, 0.0f};
        form.Nexter();
        EXPECT_EQ(form.state.NextCodes[0], c.codes) << c.pig << " " << c.joker;
        EXPECT_EQ(form.state.NextCodes[1], 1);
    }
    form.state.PigWeight = 100;
    form.state.JokerWeight = 100;
    queue({152, 153}, 252);  // the last pig code, the first joker code
    form.Nexter();
    EXPECT_EQ(form.NextCard[0].Face, CardFace::Pig);
}

}  // namespace
}  // namespace tumblehand
