#include "ui/input/controller_keys.h"

#include "board/form1.h"
#include "ui/input/controller_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyleHints>
#include <QWidget>

namespace tumblehand::ui {

namespace {

bool isDirection(PadButton button) {
    return button == PadButton::Left || button == PadButton::Right || button == PadButton::Down;
}

}  // namespace

ControllerKeys::ControllerKeys(const Form1& form, QWidget& board, QObject* parent)
    : QObject(parent), form_(form), board_(board) {
    input_ = new ControllerInput(this);
    connect(input_, &ControllerInput::pressed, this, &ControllerKeys::press);
    connect(input_, &ControllerInput::released, this, &ControllerKeys::release);
    connect(&repeat_, &QTimer::timeout, this, &ControllerKeys::repeatHeld);
}

void ControllerKeys::press(PadButton button) {
    sendKey(button, false);
    if (!isDirection(button)) return;
    held_ = button;
    repeat_.start(RepeatDelayMs);
}

void ControllerKeys::release(PadButton button) {
    if (held_ != button) return;
    held_.reset();
    repeat_.stop();
}

void ControllerKeys::repeatHeld() {
    const int rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
    repeat_.setInterval(1000 / (rate > 0 ? rate : 30));
    if (held_) sendKey(*held_, true);
}

void ControllerKeys::sendKey(PadButton button, bool autoRepeat) {
    // Like the keyboard, a controller speaks to the game only while it is in front.
    if (!QApplication::activeWindow()) return;
    QWidget* dialog = QApplication::activeModalWidget();
    const PadContext context = dialog             ? PadContext::Dialog
                               : form_.gameRuns() ? PadContext::Playing
                                                  : PadContext::NoGame;
    const std::optional<int> key = qtKeyOfPad(button, context);
    if (!key) return;
    QWidget* target = dialog ? (dialog->focusWidget() ? dialog->focusWidget() : dialog) : &board_;
    // Sent, not posted: Qt offers such a key to the shortcuts first, as it does a typed
    // one, so F1 and F2 run their menu commands exactly once.
    QKeyEvent event(QEvent::KeyPress, *key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
}

}  // namespace tumblehand::ui
