#include "assets/cues/cue_synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using namespace tumblehand::cues;

// The eight cues the game asks for by name: short, below full scale, no click at either end.
TEST(Cues, EightShortQuietCuesUnderTheNamesTheGameLooksFor) {
    std::vector<std::string> names;
    for (const Cue& cue : makeCues()) {
        SCOPED_TRACE(cue.name);
        names.push_back(cue.name);
        const double seconds = static_cast<double>(cue.samples.size()) / cueSampleRate;
        EXPECT_TRUE(seconds >= 0.2 && seconds <= 0.8) << seconds;
        double peak = 0.0;
        for (double s : cue.samples) peak = std::max(peak, std::abs(s));
        EXPECT_TRUE(peak >= 0.3 && peak <= 0.8) << peak;
        for (std::size_t i = 0; i < cueSampleRate / 2000; ++i)
            EXPECT_LT(std::abs(cue.samples[i]) + std::abs(cue.samples[cue.samples.size() - 1 - i]), 0.1) << i;
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Flush", "boo", "pe", "ph", "pn", "te", "up", "up2"}));
}

}  // namespace
