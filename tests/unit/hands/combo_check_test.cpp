#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

struct LabelCase {
    std::int32_t multiplier, combo;
    std::int16_t jokers, pigs;
    const char *marker, *label2;
    Rgb color2;
    const char *label3, *label4;
};

struct ComboCheck : testing::GameTest {};

TEST_F(ComboCheck, WritesMultiplierAndHalvedRates) {
    const LabelCase table[] = {
        {1, 1, 2, 2, "", "", colors::Yellow, "", ""},
        {1, 2, 2, 2, "", "×2", colors::Yellow, "", ""},
        {2, 0, 2, 2, "", "×2", colors::Red, "", ""},
        {2, 3, 3, 3, "", "×6", colors::Red, "×1.5", "×1.5"},
        {1, 0, 4, 5, "", "", colors::Yellow, "×2", "×2.5"},
        {1, 0, 10, 100, "!", "", colors::Yellow, "×5!", "×50"},
        {1, 0, 2, 2, "!", "", colors::Yellow, "!", ""},
        {32, 100000000, 100, 2, "", "×2147483647", colors::Red, "×50", ""},
    };
    for (const LabelCase& c : table) {
        form.state.ScoreMultiplier = c.multiplier;
        form.state.ComboCount = c.combo;
        form.state.JokerWeight = c.jokers;
        form.state.PigWeight = c.pigs;
        form.Label3.Tag = c.marker;
        form.ComboCheck();
        EXPECT_EQ(form.Label2.Caption + "|" + form.Label3.Caption + "|" + form.Label4.Caption,
                  std::string(c.label2) + "|" + c.label3 + "|" + c.label4);
        EXPECT_EQ(form.Label2.ForeColor, c.color2) << c.label2;
    }
}

}  // namespace
}  // namespace tumblehand
