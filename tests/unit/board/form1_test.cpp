#include "board/form1.h"

#include "harness/scripted_platform.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tumblehand
