#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "board/form1.h"
#include "play/key_codes.h"
#include "play/timer_schedule.h"
#include "tests/unit/shell/temp_folder.h"
#include "tools/fake/board_text.h"
#include "tools/fake/fake_platform.h"

namespace tumblehand {
namespace {

const char* const CueNames[] = {"up2", "up", "Flush", "ph", "te", "pe", "pn", "boo"};

// A minimal valid WAV: RIFF header, 8 kHz 8-bit mono, four samples.
std::string tinyWav() {
    auto u32 = [](std::uint32_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                           static_cast<char>(v >> 24)};
    };
    auto u16 = [](std::uint16_t v) { return std::string{static_cast<char>(v), static_cast<char>(v >> 8)}; };
    const std::string samples(4, '\x80');
    return "RIFF" + u32(36 + 4) + "WAVE" + "fmt " + u32(16) + u16(1) + u16(1) + u32(8000) + u32(8000) +
           u16(1) + u16(8) + "data" + u32(4) + samples;
}

// Every way the sound folder can be wrong, beside the folder as the build makes it:
// each cue written with the given bytes, or a folder named like it, or no folder at all.
struct SoundSetup {
    const char* name;
    enum class Make { Cues, CueFolders, Nothing, FileNamedSound, Unreadable } make;
    std::string bytes;
};

const SoundSetup Setups[] = {
    {"all cues", SoundSetup::Make::Cues, tinyWav()},
    {"no sound folder", SoundSetup::Make::Nothing, ""},
    {"sound is a file", SoundSetup::Make::FileNamedSound, ""},
    {"empty files", SoundSetup::Make::Cues, ""},
    {"cut-off headers", SoundSetup::Make::Cues, tinyWav().substr(0, 10)},
    {"noise", SoundSetup::Make::Cues, std::string(3000, '\xA5') + "RIFF"},
    {"folders named like cues", SoundSetup::Make::CueFolders, ""},
    {"unreadable folder", SoundSetup::Make::Unreadable, tinyWav()},
};

void make(const SoundSetup& setup, const TempFolder& folder) {
    using Make = SoundSetup::Make;
    if (setup.make == Make::Nothing) return;
    if (setup.make == Make::FileNamedSound) return folder.write("sound", "not a folder");
    std::filesystem::create_directory(folder.file("sound"));
    for (const char* cue : CueNames) {
        const std::string name = std::string("sound/") + cue + ".wav";
        if (setup.make == Make::CueFolders) std::filesystem::create_directory(folder.file(name));
        else folder.write(name, setup.bytes);
    }
    if (setup.make == Make::Unreadable) ::chmod(folder.file("sound").c_str(), 0);
}

// One whole game, the same for every set-up: each pair is dropped with Down as soon as
// it falls, the columns taken in turn, until the well fills up. It returns what the game
// left: every dialog and cue asked for (cue paths relative to the program folder), the
// board, the score and the records file.
std::string playGame(const SoundSetup& setup) {
    TempFolder folder;
    make(setup, folder);
    FakePlatform platform(folder.path(), 77);
    platform.answers = {"Tester", "Tester", "Tester"};
    Form1 form(platform);
    TimerSchedule schedule(form);
    form.Form_Load();
    form.Start_Click();
    std::int64_t now = 0;
    schedule.sync(now);
    int pairs = 0;
    bool dropping = false;
    for (int events = 0; events < 200000; ++events) {
        if (form.Timer1.Enabled()) {
            if (!dropping) {
                dropping = true;
                const int column = pairs++ % 5;  // columns in turn, so that rows fill and hands are made
                for (int c = form.state.FallingPair[1] % 5; c < column; ++c) form.Form_KeyDown(vk::Right);
                for (int c = form.state.FallingPair[1] % 5; c > column; --c) form.Form_KeyDown(vk::Left);
            }
            form.Form_KeyDown(vk::Down);
            schedule.sync(now);
            continue;
        }
        dropping = false;
        const auto due = schedule.nextDue();
        if (!due) break;  // game over: nothing runs any more
        now = *due;
        schedule.fireNext(now);
    }
    std::string outcome;
    for (const PlatformEvent& e : platform.events) {
        std::string text = e.text;
        if (text.starts_with(folder.path())) text = "cue " + text.substr(folder.path().size());
        outcome += std::to_string(static_cast<int>(e.kind)) + " " + text + "\n";
    }
    ::chmod(folder.file("sound").c_str(), 0755);  // so that the folder can be removed
    return outcome + boardText(form) + "\nscore " + form.Score.Caption + "\n" + folder.read("data.dat");
}

TEST(SoundFolder, AGameGoesExactlyAlikeWhateverTheCuesAre) {
    const std::string reference = playGame(Setups[0]);
    // The game must have got far: hands resolved (cues asked for), a game over and its records.
    int cues = 0;
    for (auto at = reference.find(" cue /sound/"); at != std::string::npos; at = reference.find(" cue /sound/", at + 1)) ++cues;
    EXPECT_GT(cues, 5) << reference;
    EXPECT_NE(reference.find("1 GAMEOVER\n"), std::string::npos) << reference;
    EXPECT_NE(reference.find("\"Tester\""), std::string::npos) << reference;
    for (const SoundSetup& setup : Setups) EXPECT_EQ(playGame(setup), reference) << setup.name;
}

TEST(SoundFolder, CuesAreAskedForByPathWithoutLookingAtTheFiles) {
    // The core only names the file; whether it plays is the platform's business.
    TempFolder folder;
    FakePlatform platform(folder.path());
    Form1 form(platform);
    form.PlayCue("boo");
    form.PlayCue("no such cue");
    ASSERT_EQ(platform.events.size(), 2u);
    EXPECT_EQ(platform.events[0].text, folder.path() + "/sound/boo.wav");
    EXPECT_EQ(platform.events[1].text, folder.path() + "/sound/no such cue.wav");
}

}  // namespace
}  // namespace tumblehand
