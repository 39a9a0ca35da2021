// The cue-file reader over WAV files that sox makes: a quarter second of a 1 kHz tone at half
// level in every encoding SDL reads comes out at the file's rate, length and level.
#include "ui/sound/cue_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace tumblehand::ui {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The file sox writes with these output options (after "synth": effects on the tone).
Bytes soxWav(const std::string& options, const std::string& effects = "") {
    const auto path = std::filesystem::temp_directory_path() / ("cue_file_test_" + std::to_string(getpid()) + ".wav");
    const std::string command = "sox -n " + options + " " + path.string() + " synth 0.25 sine 1000 vol 0.5 " + effects;
    EXPECT_EQ(std::system(command.c_str()), 0) << command << " (sox is installed by setup.sh)";
    std::ifstream file(path, std::ios::binary);
    Bytes bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::filesystem::remove(path);
    return bytes;
}

int peak(const PcmSound& sound) {
    int level = 0;
    for (std::int16_t s : sound.samples) level = std::max(level, std::abs(int(s)));
    return level;
}

TEST(CueFile, EveryEncodingComesOutAtItsRateLengthAndLevel) {
    struct Row {
        const char *options, *effects;
        std::uint32_t rate;
        std::uint16_t channels;
        int level;
    };
    const Row rows[] = {
        {"-r 8000 -b 8 -e unsigned-integer", "", 8000, 1, 16384},
        {"-r 22050 -b 16 -c 2", "", 22050, 2, 16384},
        {"-r 44100 -b 24", "", 44100, 1, 16384},
        {"-r 48000 -b 32 -e signed-integer -c 2", "", 48000, 2, 16384},
        {"-r 44100 -b 32 -e floating-point", "", 44100, 1, 16384},
        {"-r 22050 -e ima-adpcm", "", 22050, 1, 16384},
        {"-r 22050 -e ms-adpcm -c 2", "", 22050, 2, 16384},
        {"-r 8000 -e a-law", "", 8000, 1, 16384},
        {"-r 8000 -e u-law", "", 8000, 1, 16384},
        {"-r 48000 -b 16 -c 6", "", 48000, 1, 16384},              // 5.1, the tone in every channel
        {"-r 44100 -b 24 -c 4", "remix 1 0 0 0", 44100, 1, 4096},  // the mean of four, one sounding
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.options);
        const auto sound = decodeWav(soxWav(row.options, row.effects));
        ASSERT_TRUE(sound);
        EXPECT_EQ(sound->sampleRate, row.rate);
        EXPECT_EQ(sound->channels, row.channels);
        EXPECT_EQ(sound->samples.size(), sound->frames() * row.channels);
        // ADPCM fills its last block up: a few milliseconds more.
        EXPECT_GE(sound->frames(), row.rate / 4);
        EXPECT_LE(sound->frames(), row.rate / 4 + row.rate / 20);
        EXPECT_NEAR(peak(*sound), row.level, row.level / 20);
    }
}

TEST(CueFile, ABrokenOrUnreadableFileGivesNothing) {
    const Bytes good = soxWav("-r 22050 -b 16");
    ASSERT_TRUE(decodeWav(good));
    Bytes unknownEncoding = good;
    unknownEncoding[20] = 0x31;  // the format tag: GSM, which SDL does not read
    const Bytes rows[] = {
        {},
        Bytes(good.begin(), good.begin() + 12),
        Bytes(good.begin(), good.end() - 100),  // cut short
        Bytes(good.size(), 0x55),
        unknownEncoding,
        soxWav("-r 22050 -b 16", "trim 0 0"),  // no sound at all
        soxWav("-r 2000 -b 16"),               // a rate below any cue's
    };
    for (const Bytes& file : rows) EXPECT_FALSE(decodeWav(file)) << &file - rows;
}

}  // namespace
}  // namespace tumblehand::ui
