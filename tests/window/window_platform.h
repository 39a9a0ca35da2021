#pragma once

#include "shell/platform.h"
#include "ui/modal_time.h"

#include <QString>

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace tumblehand::ui {
class MainWindow;
}

namespace tumblehand::test {

/// The window tests' platform: answers come from queues, every dialog is recorded, and
/// a dialog can hold a nested event loop open for a while, as a real one does, running
/// a probe inside it. Close and show requests reach the real window.
class WindowPlatform : public Platform {
public:
    explicit WindowPlatform(std::string folder);

    void attach(ui::MainWindow& window) { window_ = &window; }
    ui::ModalTime& modalTime() { return modal_; }

    void seedFromClock() override {}
    float random() override;
    void messageBox(std::string_view text, std::string_view title) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    std::string inputBox(std::string_view prompt, std::string_view title,
                         std::string_view defaultText) override;
    std::string programFolder() override { return folder_; }
    std::string userDataFolder() override { return {}; }
    void playWav(const std::string& path) override { cues.push_back(path); }
    void closeMainWindow() override;
    void showHandTable() override;
    void showRecords() override;

    std::deque<bool> confirmations;
    std::deque<std::string> answers;
    std::vector<std::string> dialogs;  ///< texts of every message, question and prompt
    std::vector<std::string> cues;
    int handTableRequests = 0;
    int recordsRequests = 0;
    int closeRequests = 0;

    /// While a dialog is open: how long its nested event loop runs, and what to do in it.
    int holdDialogMs = 0;
    std::function<void()> duringDialog;

private:
    /// Records a dialog and holds it open as asked.
    void open(std::string_view text);

    std::string folder_;
    std::mt19937 generator_{1};
    ui::ModalTime modal_;
    ui::MainWindow* window_ = nullptr;
};

}  // namespace tumblehand::test
