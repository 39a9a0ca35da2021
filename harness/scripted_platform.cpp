#include "harness/scripted_platform.h"

#include <chrono>
#include <thread>

namespace tumblehand {

ScriptedPlatform::ScriptedPlatform(std::string folderPath, std::uint32_t seed)
    : folder(std::move(folderPath)), generator_(seed) {}

float ScriptedPlatform::random() {
    if (randomQueue.empty()) return unitFloat(static_cast<std::uint32_t>(generator_()));
    const float value = randomQueue.front();
    randomQueue.pop_front();
    return value;
}

void ScriptedPlatform::messageBox(std::string_view text, std::string_view title) {
    events.push_back({PlatformEvent::Kind::MsgBox, std::string(text), std::string(title), {}});
}

bool ScriptedPlatform::askYesNo(std::string_view text, std::string_view title) {
    events.push_back({PlatformEvent::Kind::Question, std::string(text), std::string(title), {}});
    if (confirmations.empty()) throw NoAnswer{"a question with no queued answer: " + std::string(text)};
    const bool yes = confirmations.front();
    confirmations.pop_front();
    return yes;
}

std::string ScriptedPlatform::inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) {
    events.push_back(
        {PlatformEvent::Kind::InputBox, std::string(prompt), std::string(title), std::string(defaultText)});
    if (answers.empty()) throw NoAnswer{"an input box with no queued answer: " + std::string(prompt)};
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

bool ScriptedPlatform::waitUntil(std::string_view text, std::string_view title, const std::function<bool()>& ready) {
    events.push_back({PlatformEvent::Kind::Wait, std::string(text), std::string(title), {}});
    if (!waitAnswers.empty()) {
        const bool wait = waitAnswers.front();
        waitAnswers.pop_front();
        if (!wait) return false;
    }
    while (!ready()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
}

void ScriptedPlatform::playWav(const std::string& path) {
    events.push_back({PlatformEvent::Kind::PlayCue, path, {}, {}});
}

void ScriptedPlatform::closeMainWindow() {
    closed = true;
    events.push_back({PlatformEvent::Kind::Close, {}, {}, {}});
}

}  // namespace tumblehand
