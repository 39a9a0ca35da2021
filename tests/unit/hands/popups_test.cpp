#include "board/numbers.h"
#include "tests/support/game_fixture.h"

namespace tumblehand {
namespace {

constexpr std::int32_t NoRecord = 1000000;

// total: what TotalS holds when the deal-in starts; shown: the first card's text, rated: the second's ("" hidden).
struct PopupCase {
    const char* name;
    std::int32_t total, combo;
    const char* lastHand;
    std::int32_t bestPoints;
    std::uint8_t bestCombo;
    const char *totalShown, *totalRated, *comboShown, *comboRated;
};

struct Popups : testing::GameTest, ::testing::WithParamInterface<PopupCase> {};

void expectPopup(const Label& popup, const std::string& text, Rgb color, bool record) {
    EXPECT_EQ(popup.Visible, !text.empty());
    if (text.empty()) return;
    EXPECT_EQ(popup.Caption, text);
    EXPECT_EQ(popup.ForeColor, record ? colors::Red : color);
    EXPECT_EQ(popup.Left, -600);
}

TEST_P(Popups, ShowTheChainThenRateIt) {
    const PopupCase& c = GetParam();
    form.Start_Click();
    form.TotalS.Caption = c.total ? decimal(c.total) : "";
    form.state.ComboCount = c.combo;
    form.YakuL.Caption = c.lastHand;
    form.state.BestPoints = c.bestPoints;
    form.state.BestCombo = c.bestCombo;

    ticks(1);
    expectPopup(form.TotalS, c.totalShown, colors::Green, false);
    expectPopup(form.ComboS, c.comboShown, colors::Purple, false);
    EXPECT_EQ(form.YakuL.Caption, "");
    EXPECT_EQ(form.state.ComboCount, 0);
    ticks(5);  // slid in, 120 twips a tick
    for (const Label* popup : {&form.TotalS, &form.ComboS}) {
        if (popup->Visible) {
            EXPECT_EQ(popup->Left, 0);
        }
    }
    ticks(13);
    const bool pointsRecord = std::string(c.totalRated) == "new record!";
    const bool comboRecord = std::string(c.comboRated) == "new record!";
    expectPopup(form.TotalS, c.totalRated, colors::Green, pointsRecord);
    expectPopup(form.ComboS, c.comboRated, colors::Purple, comboRecord);
    EXPECT_EQ(form.state.BestPoints, pointsRecord ? c.total : c.bestPoints);
    EXPECT_EQ(form.state.BestCombo, comboRecord ? std::min(c.combo, 255) : c.bestCombo);  // a byte

    ticks(17);
    EXPECT_FALSE(form.TotalS.Visible || form.ComboS.Visible);
    EXPECT_EQ(form.TotalS.Caption, "");
}

INSTANTIATE_TEST_SUITE_P(
    Ratings, Popups,
    ::testing::Values(PopupCase{"Total1", 1, 0, "", NoRecord, 0, "1p", "", "", ""},
                      PopupCase{"Total999", 999, 0, "", NoRecord, 0, "999p", "", "", ""},
                      PopupCase{"Total1000", 1000, 0, "", NoRecord, 0, "1000p", "good!", "", ""},
                      PopupCase{"Total10000", 10000, 0, "", NoRecord, 0, "10000p", "great!", "", ""},
                      PopupCase{"Total20000", 20000, 0, "", NoRecord, 0, "20000p", "wonderful!", "", ""},
                      PopupCase{"Total50000", 50000, 0, "", NoRecord, 0, "50000p", "wonderful!", "", ""},
                      PopupCase{"Total50001", 50001, 0, "", NoRecord, 0, "50001p", "excellent!", "", ""},
                      PopupCase{"TotalEqualToRecord", 5000, 0, "", 5000, 0, "5000p", "good!", "", ""},
                      PopupCase{"OneCombo", 0, 1, "", 0, 0, "", "", "", ""},
                      PopupCase{"TwoComboRecord", 0, 2, "", 0, 1, "", "", "2combo", "new record!"},
                      PopupCase{"ComboRecordSaturates", 0, 300, "", 0, 200, "", "", "300combo", "new record!"},
                      PopupCase{"ThreeCombo", 0, 3, "", 0, 20, "", "", "3combo", "good!"},
                      PopupCase{"NineCombo", 0, 9, "", 0, 20, "", "", "9combo", "wonderful!"},
                      PopupCase{"TenCombo", 0, 10, "", 0, 20, "", "", "10combo", "excellent!"},
                      PopupCase{"PigRowCountsOneLess", 0, 3, "ぶ　た", 0, 9, "", "", "2combo", ""},
                      PopupCase{"OtherHandCountsAll", 0, 3, "ぶた", 0, 9, "", "", "3combo", "good!"}),
    [](const auto& info) { return std::string(info.param.name); });

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
