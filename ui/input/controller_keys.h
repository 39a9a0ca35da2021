#pragma once

#include "ui/input/key_map.h"

#include <QObject>
#include <QTimer>

#include <optional>

class QWidget;

namespace tumblehand {
class Form1;
}

namespace tumblehand::ui {

class ControllerInput;

/// A controller as a second keyboard: each press becomes the key the key table gives it
/// for the moment (a game running, none running, or a dialog open) and goes where that
/// key from the keyboard would go: to the board and the menu shortcuts, or to the open
/// dialog. A held direction repeats like a held key. Only the active application gets them.
class ControllerKeys : public QObject {
    Q_OBJECT
public:
    /// The repeat of a held direction: the usual desktop delay, and the desktop's rate.
    static constexpr int RepeatDelayMs = 250;

    ControllerKeys(const Form1& form, QWidget& board, QObject* parent = nullptr);

    ControllerInput& input() { return *input_; }

    void press(PadButton button);
    void release(PadButton button);
    /// True while a held direction is due to repeat.
    bool repeating() const { return repeat_.isActive(); }

private:
    void sendKey(PadButton button, bool autoRepeat);
    void repeatHeld();

    const Form1& form_;
    QWidget& board_;
    ControllerInput* input_ = nullptr;
    QTimer repeat_;
    std::optional<PadButton> held_;
};

}  // namespace tumblehand::ui
