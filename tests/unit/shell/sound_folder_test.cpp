#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <functional>
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

// Every way the sound folder can be wrong, beside the folder as the build makes it.
struct SoundSetup {
    const char* name;
    std::function<void(const TempFolder&)> make;
};

void eachCue(const TempFolder& folder, const std::function<void(const std::string&)>& write) {
    std::filesystem::create_directory(folder.file("sound"));
    for (const char* cue : CueNames) write(std::string("sound/") + cue + ".wav");
}

const std::vector<SoundSetup>& setups() {
    static const std::vector<SoundSetup> all = {
        {"all cues", [](const TempFolder& f) { eachCue(f, [&](const std::string& n) { f.write(n, tinyWav()); }); }},
        {"no sound folder", [](const TempFolder&) {}},
        {"sound is a file", [](const TempFolder& f) { f.write("sound", "not a folder"); }},
        {"empty sound folder", [](const TempFolder& f) { std::filesystem::create_directory(f.file("sound")); }},
        {"empty files", [](const TempFolder& f) { eachCue(f, [&](const std::string& n) { f.write(n, ""); }); }},
        {"cut-off headers",
         [](const TempFolder& f) { eachCue(f, [&](const std::string& n) { f.write(n, tinyWav().substr(0, 10)); }); }},
        {"noise", [](const TempFolder& f) {
             eachCue(f, [&](const std::string& n) { f.write(n, std::string(3000, '\xA5') + "\0RIFF"); });
         }},
        {"folders named like cues",
         [](const TempFolder& f) { eachCue(f, [&](const std::string& n) { std::filesystem::create_directory(f.file(n)); }); }},
        {"unreadable folder", [](const TempFolder& f) {
             eachCue(f, [&](const std::string& n) { f.write(n, tinyWav()); });
             ::chmod(f.file("sound").c_str(), 0);
         }},
    };
    return all;
}

// What a whole game left: its board, score, records file, and every dialog and cue it
// asked for (cue paths relative to the program folder).
struct Outcome {
    std::string board;
    std::string score;
    std::string records;
    std::vector<std::string> events;
    int cues = 0;
};

// One whole game, the same for every set-up: each pair is dropped with Down as soon as
// it falls, the columns taken in turn, until the well fills up.
Outcome playGame(const SoundSetup& setup) {
    TempFolder folder;
    setup.make(folder);
    FakePlatform platform(folder.path(), 77);
    for (int i = 0; i < 3; ++i) platform.answers.push_back("Tester");
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
                // Columns in turn, so that rows fill and hands are made.
                const int column = pairs++ % 5;
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
    Outcome outcome;
    outcome.board = boardText(form);
    outcome.score = form.Score.Caption;
    outcome.records = folder.read("data.dat");
    for (const PlatformEvent& e : platform.events) {
        std::string text = e.text;
        if (e.kind == PlatformEvent::Kind::PlayCue) {
            ++outcome.cues;
            if (text.starts_with(folder.path())) text = text.substr(folder.path().size());
        }
        outcome.events.push_back(std::to_string(static_cast<int>(e.kind)) + " " + text);
    }
    ::chmod(folder.file("sound").c_str(), 0755);  // so that the folder can be removed
    return outcome;
}

TEST(SoundFolder, AGameGoesExactlyAlikeWhateverTheCuesAre) {
    const Outcome reference = playGame(setups().front());
    // The game must have got far: hands resolved (cues asked for) and a game over.
    ASSERT_GT(reference.cues, 5);
    ASSERT_FALSE(reference.records.empty());
    bool sawGameOver = false;
    for (const std::string& e : reference.events) sawGameOver = sawGameOver || e == "1 GAMEOVER";
    ASSERT_TRUE(sawGameOver);

    for (const SoundSetup& setup : setups()) {
        const Outcome outcome = playGame(setup);
        EXPECT_EQ(outcome.events, reference.events) << setup.name;
        EXPECT_EQ(outcome.board, reference.board) << setup.name;
        EXPECT_EQ(outcome.score, reference.score) << setup.name;
        EXPECT_EQ(outcome.records, reference.records) << setup.name;
    }
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
