#pragma once

#include "ui/input/key_map.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <array>
#include <map>
#include <utility>
#include <vector>

struct _SDL_GameController;

namespace tumblehand::ui {

class DeviceWatch;

/// Game controllers, read through SDL's game-controller API and its mapping database, for
/// input only. While no controller is attached nothing polls: a device watch wakes it when
/// a device node arrives. While one is attached it is read every few milliseconds. If SDL
/// cannot start, there simply are no controllers. While another program is in front nothing
/// is read either: what is held is let go when the game goes to the background, and what
/// was pressed meanwhile is dropped when it comes back. One per process (SDL's state is global).
class ControllerInput : public QObject {
    Q_OBJECT
public:
    explicit ControllerInput(QObject* parent = nullptr);
    ~ControllerInput() override;

    /// False when SDL's controller support could not start.
    bool available() const { return available_; }
    /// How many controllers are open.
    int attached() const { return static_cast<int>(pads_.size()); }
    /// True while a poll timer runs.
    bool polling() const { return poll_.isActive(); }

    /// Reads the controllers now: arrivals, departures, buttons and sticks.
    void poll();
    /// A device may have arrived: looks now, and keeps looking for a few seconds, as the
    /// device manager opens a new node to the player a moment after it appears.
    void lookForControllers();

signals:
    void pressed(tumblehand::ui::PadButton button);
    void released(tumblehand::ui::PadButton button);

private:
    /// One open controller; a direction is held while the D-pad or the stick holds it.
    struct Pad {
        _SDL_GameController* controller = nullptr;
        std::array<unsigned char, 3> holders{};  ///< Left, Right, Down: bit 0 D-pad, bit 1 stick
        unsigned buttons = 0;                    ///< the other PadButtons held
    };

    void open(int deviceIndex);
    void close(int instance);
    void hold(Pad& pad, PadButton direction, unsigned char source, bool held);
    void button(Pad& pad, PadButton button, bool held);
    void stick(Pad& pad, int axis, int value);
    void schedule();
    /// Emits the presses and releases read so far.
    void tell();
    /// Lets go of everything the pad holds.
    void letGo(Pad& pad);
    void toBackground();
    void toFront();

    bool available_ = false;
    std::vector<std::pair<PadButton, bool>> changes_;  ///< presses (true) and releases read
    std::map<int, Pad> pads_;                          ///< by SDL instance id
    QTimer poll_;
    QElapsedTimer looking_;
    DeviceWatch* watch_ = nullptr;
    bool background_ = false;     ///< another program is in front
    bool missedDevices_ = false;  ///< a device node came or went while in the background
};

}  // namespace tumblehand::ui
