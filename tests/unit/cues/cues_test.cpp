#include "tools/cues/cue_synth.h"
#include "tools/cues/wav_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using tumblehand::cues::Cue;
using tumblehand::cues::cueSampleRate;
using tumblehand::cues::makeCues;
using tumblehand::cues::writeWav;

// Pitch of a stretch of samples: the shortest lag whose autocorrelation comes close to the best one.
double pitchOf(const std::vector<double>& samples, double fromSeconds, double seconds)
{
    const auto first = static_cast<std::size_t>(fromSeconds * cueSampleRate);
    const auto length = static_cast<std::size_t>(seconds * cueSampleRate);
    const std::size_t minLag = cueSampleRate / 2000;
    const std::size_t maxLag = cueSampleRate / 60;
    std::vector<double> correlation(maxLag + 1, 0.0);
    for (std::size_t lag = minLag; lag <= maxLag; ++lag)
        for (std::size_t i = first; i < first + length && i + lag < samples.size(); ++i)
            correlation[lag] += samples[i] * samples[i + lag];
    const double best = *std::max_element(correlation.begin(), correlation.end());
    for (std::size_t lag = minLag + 1; lag < maxLag; ++lag)
        if (correlation[lag] >= 0.85 * best && correlation[lag] >= correlation[lag - 1] &&
            correlation[lag] >= correlation[lag + 1])
            return static_cast<double>(cueSampleRate) / static_cast<double>(lag);
    return 0.0;
}

TEST(WavWriter, WritesTheFileAndReportsAFolderThatIsNotThere)
{
    const auto folder = std::filesystem::temp_directory_path() / "tumblehand_cue_test";
    std::filesystem::remove_all(folder);
    const std::vector<double> samples(1000, 0.1);

    EXPECT_FALSE(writeWav(folder / "missing" / "x.wav", samples, cueSampleRate));

    std::filesystem::create_directories(folder);
    ASSERT_TRUE(writeWav(folder / "x.wav", samples, cueSampleRate));
    EXPECT_EQ(std::filesystem::file_size(folder / "x.wav"), 44u + 2u * samples.size());
    std::filesystem::remove_all(folder);
}

TEST(Cues, EightCuesUnderTheNamesTheGameLooksFor)
{
    std::vector<std::string> names;
    for (const Cue& cue : makeCues())
        names.push_back(cue.name);
    std::sort(names.begin(), names.end());
    const std::vector<std::string> expected{"Flush", "boo", "pe", "ph", "pn", "te", "up", "up2"};
    EXPECT_EQ(names, expected);
}

TEST(Cues, ShortBelowFullScaleAndFreeOfClicksAtBothEnds)
{
    const std::size_t halfMillisecond = cueSampleRate / 2000;
    for (const Cue& cue : makeCues()) {
        SCOPED_TRACE(cue.name);
        const double seconds = static_cast<double>(cue.samples.size()) / cueSampleRate;
        EXPECT_GE(seconds, 0.2);
        EXPECT_LE(seconds, 0.8);

        double peak = 0.0;
        for (double s : cue.samples)
            peak = std::max(peak, std::abs(s));
        EXPECT_GE(peak, 0.3);
        EXPECT_LE(peak, 0.8);

        for (std::size_t i = 0; i < halfMillisecond; ++i) {
            EXPECT_LT(std::abs(cue.samples[i]), 0.05) << "start, sample " << i;
            EXPECT_LT(std::abs(cue.samples[cue.samples.size() - 1 - i]), 0.05) << "end, sample " << i;
        }
    }
}

TEST(Cues, SingleNotesRiseFromOnePairToFlushAndBooFalls)
{
    std::map<std::string, std::vector<double>> byName;
    for (Cue& cue : makeCues())
        byName[cue.name] = std::move(cue.samples);

    double previous = 0.0;
    for (const char* name : {"pn", "pe", "te", "ph", "Flush"}) {
        const double pitch = pitchOf(byName[name], 0.02, 0.1);
        EXPECT_GT(pitch, previous * 1.05) << name;
        previous = pitch;
    }

    const double booStart = pitchOf(byName["boo"], 0.03, 0.1);
    const double booEnd = pitchOf(byName["boo"], 0.45, 0.1);
    EXPECT_LT(booStart, pitchOf(byName["pn"], 0.02, 0.1));
    EXPECT_LT(booEnd, booStart * 0.85);
    EXPECT_GT(booEnd, 60.0);
}

}  // namespace
