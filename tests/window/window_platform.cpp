#include "tests/window/window_platform.h"
#include "ui/main_window.h"

#include <QEventLoop>
#include <QTimer>

namespace tumblehand::test {

WindowPlatform::WindowPlatform(std::string folder) : folder_(std::move(folder)) {}

float WindowPlatform::random() {
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

void WindowPlatform::hold() {
    ui::ModalTime::Scope scope(modal_);
    if (holdDialogMs <= 0) return;
    QEventLoop loop;
    if (duringDialog) QTimer::singleShot(holdDialogMs / 2, &loop, duringDialog);
    QTimer::singleShot(holdDialogMs, &loop, &QEventLoop::quit);
    loop.exec();
}

void WindowPlatform::messageBox(std::string_view text, std::string_view) {
    dialogs.emplace_back(text);
    hold();
}

bool WindowPlatform::askYesNo(std::string_view text, std::string_view) {
    dialogs.emplace_back(text);
    hold();
    if (confirmations.empty()) return false;
    const bool yes = confirmations.front();
    confirmations.pop_front();
    return yes;
}

std::string WindowPlatform::inputBox(std::string_view prompt, std::string_view, std::string_view) {
    dialogs.emplace_back(prompt);
    hold();
    // An empty answer would repeat the prompt for ever: answer something.
    if (answers.empty()) return "tester";
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

void WindowPlatform::closeMainWindow() {
    ++closeRequests;
    if (window_) window_->close();
}

void WindowPlatform::showHandTable() {
    ++handTableRequests;
    if (window_) window_->showHandTable();
}

void WindowPlatform::showRecords() {
    ++recordsRequests;
    if (window_) window_->showRecords();
}

}  // namespace tumblehand::test
