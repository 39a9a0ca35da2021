#include "board/form1.h"

#include "harness/scripted_platform.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tumblehand {
namespace {

// The runner, the benchmarks' snapshot and the view all walk this one list: a control
// missing from it would be neither dumped, restored nor painted.
TEST(Form1Controls, EveryControlOnceBackToFrontThenTheMenuItemAndTheTimers) {
    ScriptedPlatform platform("/nonexistent");
    Form1 form(platform);
    std::vector<const void*> seen;
    std::string deckAndRest;
    std::size_t lastMas = 0, firstNum = 0;
    form.forEachControl([&](const ControlName& control, const auto& value) {
        if (control.name == "Mas") lastMas = seen.size();
        if (control.name == "Num" && control.index == 0) firstNum = seen.size();
        if (control.name == "ura1" || control.name == "Chusi" || control.name.starts_with("Timer"))
            deckAndRest += std::string(control.name) + std::to_string(control.index) + " ";
        seen.push_back(&value);
    });
    EXPECT_EQ(std::set<const void*>(seen.begin(), seen.end()).size(), seen.size());
    // 50 cells of two controls, the NEXT and NOW frames' 8, the deck's 5, 6 faces,
    // 13 labels, the menu item and 3 timers.
    EXPECT_EQ(seen.size(), 100u + 8 + 5 + 6 + 13 + 1 + 3);
    EXPECT_LT(lastMas, firstNum) << "a rank text under a card";
    EXPECT_EQ(deckAndRest, "ura12 ura11 ura10 Chusi-1 Timer1-1 Timer2-1 Timer3-1 ");
}

// Where the window shows each control, in twips within its container: the cells five
// across and ten down at a 480 pitch, each rank text across the middle of its card, and
// the rest where the window was designed (the multiplier moved to the end of the score's row).
TEST(Form1Controls, LaidOutAsTheWindowShowsThem) {
    using Rect = std::array<int, 4>;
    const std::map<std::string, Rect> designed = {
        {"NextCard1", {120, 240, 480, 480}}, {"NextNum1", {120, 360, 495, 255}}, {"NextCard0", {120, 840, 480, 480}},
        {"NextNum0", {120, 960, 495, 255}},  {"NowCard1", {120, 240, 480, 480}}, {"NowNum1", {120, 360, 495, 255}},
        {"NowCard0", {120, 840, 480, 480}},  {"NowNum0", {120, 960, 495, 255}},  {"MoveCard", {2640, 0, 480, 480}},
        {"MoveNum", {1080, 120, 495, 255}},  {"ura12", {2640, 0, 480, 480}},     {"ura11", {2760, 120, 480, 480}},
        {"ura10", {2880, 240, 480, 480}},    {"Gara0", {120, 5760, 480, 480}},   {"Gara1", {600, 5760, 480, 480}},
        {"Gara2", {1080, 5760, 480, 480}},   {"Gara3", {1560, 5760, 480, 480}},  {"Gara4", {2880, 4200, 480, 480}},
        {"Gara5", {2880, 3600, 480, 480}},   {"Label4", {2880, 3720, 495, 240}}, {"Label3", {2880, 4320, 495, 240}},
        {"Start", {2640, 2520, 855, 255}},   {"StopL", {2640, 2880, 855, 255}},  {"Ending", {2640, 3240, 855, 255}},
        {"Label5", {2760, 4800, 585, 225}},  {"Label1", {120, 5400, 975, 255}},  {"Label2", {2760, 5400, 735, 240}},
        {"Score", {1200, 5400, 180, 285}},   {"YakuL", {120, 0, 2415, 240}},     {"Gscore", {1200, 240, 360, 240}},
        {"TotalS", {0, 0, 600, 195}},        {"ComboS", {0, 240, 630, 195}}};
    ScriptedPlatform platform("/nonexistent");
    const Form1 form(platform);
    std::size_t placed = 0;
    form.forEachControl([&](const ControlName& control, const auto& value) {
        if constexpr (requires { value.Left; }) {
            const std::string name =
                std::string(control.name) + (control.index < 0 ? "" : std::to_string(control.index));
            const Rect at{value.Left, value.Top, value.Width, value.Height};
            const int i = control.index;
            if (control.name == "Mas")
                EXPECT_EQ(at, (Rect{i % 5 * 480, i / 5 * 480, 495, 495})) << name;
            else if (control.name == "Num")
                EXPECT_EQ(at, (Rect{i % 5 * 480, i / 5 * 480 + 120, 495, 255})) << name;
            else if (designed.contains(name))
                EXPECT_EQ(at, designed.at(name)) << name;
            else
                ADD_FAILURE() << name << " has no place";
            ++placed;
        }
    });
    EXPECT_EQ(placed, 100 + designed.size());
}

}  // namespace
}  // namespace tumblehand
