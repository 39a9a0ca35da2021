#pragma once

#include "board/platform.h"

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

namespace tumblehand {

/// One thing the core asked of the platform that a player would notice.
struct PlatformEvent {
    enum class Kind { PlayCue, MsgBox, Question, InputBox, Wait, Close };
    Kind kind;
    /// The text of a message or question, a prompt or a cue's path; a dialog's title; a prompt's default.
    std::string text, title, defaultText;
};

/// A scripted platform for tests and the simulator: random numbers come from a queue,
/// then from a seeded generator; answers to questions and input boxes come from
/// queues; every dialog, cue and close is recorded.
class ScriptedPlatform : public Platform {
public:
    explicit ScriptedPlatform(std::string folder = "/nonexistent", std::uint32_t seed = 1);

    void seedFromClock() override {}
    float random() override;
    void messageBox(std::string_view text, std::string_view title) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    std::string inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) override;
    /// Records the wait; gives up at once when the next of waitAnswers is false, else asks
    /// ready() every millisecond until it is true.
    bool waitUntil(std::string_view text, std::string_view title, const std::function<bool()>& ready) override;
    std::string programFolder() override { return folder; }
    std::string userDataFolder() override { return dataFolder; }
    void playWav(const std::string& path) override;
    void closeMainWindow() override;
    void showHandTable() override { ++handTableShown; }
    void showRecords() override { ++recordsShown; }

    /// Thrown when an input box or question finds no queued answer.
    struct NoAnswer {
        std::string what;
    };

    std::string folder;
    /// The per-user data folder; empty (none) unless a test sets one.
    std::string dataFolder;
    std::deque<float> randomQueue;
    std::deque<std::string> answers;
    std::deque<bool> confirmations;
    /// Whether the player waits (true) or gives up (false) at each wait; waits when empty.
    std::deque<bool> waitAnswers;
    std::vector<PlatformEvent> events;
    int handTableShown = 0, recordsShown = 0;
    bool closed = false;

private:
    std::mt19937 generator_;
};

}  // namespace tumblehand
