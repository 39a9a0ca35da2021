#include "tests/window/window_platform.h"
#include "ui/main_window.h"

#include <QEventLoop>
#include <QTimer>

namespace tumblehand::test {

WindowPlatform::WindowPlatform(std::string folder) : folder_(std::move(folder)) {}

float WindowPlatform::random() { return unitFloat(static_cast<std::uint32_t>(generator_())); }

void WindowPlatform::open(std::string_view text) {
    dialogs.emplace_back(text);
    ui::ModalTime::Scope scope(modal_);
    if (holdDialogMs <= 0) return;
    QEventLoop loop;
    if (duringDialog) QTimer::singleShot(holdDialogMs / 2, &loop, duringDialog);
    QTimer::singleShot(holdDialogMs, &loop, &QEventLoop::quit);
    loop.exec();
}

void WindowPlatform::messageBox(std::string_view text, std::string_view) { open(text); }

bool WindowPlatform::askYesNo(std::string_view text, std::string_view) {
    open(text);
    if (confirmations.empty()) return false;
    const bool yes = confirmations.front();
    confirmations.pop_front();
    return yes;
}

std::string WindowPlatform::inputBox(std::string_view prompt, std::string_view, std::string_view) {
    open(prompt);
    // An empty answer would repeat the prompt for ever: answer something.
    return "tester";
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

void RealDialogPlatform::messageBox(std::string_view text, std::string_view title) {
    dialogs.emplace_back(text);
    real_.messageBox(text, title);
}

bool RealDialogPlatform::askYesNo(std::string_view text, std::string_view title) {
    dialogs.emplace_back(text);
    return real_.askYesNo(text, title);
}

std::string RealDialogPlatform::inputBox(std::string_view prompt, std::string_view title,
                                         std::string_view defaultText) {
    dialogs.emplace_back(prompt);
    return real_.inputBox(prompt, title, defaultText);
}

DialogAnswerer::DialogAnswerer(std::function<void(QDialog&)> answer) : answer_(std::move(answer)) {
    connect(&poll_, &QTimer::timeout, this, [this] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(widget);
            if (dialog && dialog->isVisible() && dialog != last_.data()) {
                last_ = dialog;
                // Let the nested event loop deliver what is pending first.
                QTimer::singleShot(50, dialog, [this, dialog] { answer_(*dialog); });
            }
        }
    });
    poll_.start(10);
}

}  // namespace tumblehand::test
