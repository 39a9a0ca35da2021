#include "ui/input/controller_input.h"

#include "ui/system/device_watch.h"

#include <QGuiApplication>
#include <SDL.h>

namespace tumblehand::ui {

namespace {

// While a controller is attached: a press waits at most one frame of a 60 Hz screen, which
// could not show it sooner anyway, and the wake-ups cost a third less than at 100 Hz.
constexpr int ReadEveryMs = 16;
constexpr int LookEveryMs = 100;  // after a device node appeared
constexpr qint64 LookForMs = 3000;
// The stick holds a direction past half way and lets it go under a quarter, so that a
// stick resting near the threshold does not chatter.
constexpr int StickOn = 16384, StickOff = 8192;
constexpr unsigned char DPad = 1, Stick = 2;

std::size_t directionIndex(PadButton direction) {
    return direction == PadButton::Left ? 0 : direction == PadButton::Right ? 1 : 2;
}

}  // namespace

ControllerInput::ControllerInput(QObject* parent) : QObject(parent) {
    // SDL would otherwise take SIGINT and SIGTERM for itself, and read the face buttons by
    // their printed letters, which swaps south and east on some pads; the player's own
    // SDL environment variables still win over these.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    available_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    if (!available_) return;

    connect(&poll_, &QTimer::timeout, this, &ControllerInput::poll);
    watch_ = new DeviceWatch(QStringLiteral("/dev/input"), this);
    connect(watch_, &DeviceWatch::changed, this, &ControllerInput::lookForControllers);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { state == Qt::ApplicationActive ? toFront() : toBackground(); });
    // Controllers plugged in before the game started.
    poll();
}

ControllerInput::~ControllerInput() {
    if (!available_) return;
    for (auto& [instance, pad] : pads_) SDL_GameControllerClose(pad.controller);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void ControllerInput::toBackground() {
    if (!available_ || background_) return;
    background_ = true;
    // Whatever is held now is let go, or a held direction would go on repeating.
    for (auto& [instance, pad] : pads_) letGo(pad);
    poll_.stop();
    tell();
}

void ControllerInput::toFront() {
    if (!available_ || !background_) return;
    background_ = false;
    // What was pressed or pushed meanwhile was meant for another program; a controller
    // that came or went is still to be found.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_CONTROLLERAXISMOTION, SDL_CONTROLLERBUTTONUP);
    if (missedDevices_) {
        missedDevices_ = false;
        lookForControllers();
    } else {
        poll();
    }
}

void ControllerInput::lookForControllers() {
    if (!available_) return;
    if (background_) {
        missedDevices_ = true;
        return;
    }
    looking_.start();
    poll();
    // A controller SDL already knows but could not open before (its node was not yet
    // open to the player) is not announced again: try those once more.
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_IsGameController(i) && !pads_.count(SDL_JoystickGetDeviceInstanceID(i))) open(i);
    }
    schedule();
}

void ControllerInput::poll() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_CONTROLLERDEVICEADDED: open(event.cdevice.which); break;
            case SDL_CONTROLLERDEVICEREMOVED: close(event.cdevice.which); break;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP: {
                const auto found = pads_.find(event.cbutton.which);
                if (found == pads_.end()) break;
                Pad& pad = found->second;
                const bool held = event.type == SDL_CONTROLLERBUTTONDOWN;
                switch (event.cbutton.button) {
                    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: hold(pad, PadButton::Left, DPad, held); break;
                    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: hold(pad, PadButton::Right, DPad, held); break;
                    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: hold(pad, PadButton::Down, DPad, held); break;
                    case SDL_CONTROLLER_BUTTON_A: button(pad, PadButton::South, held); break;
                    case SDL_CONTROLLER_BUTTON_B: button(pad, PadButton::East, held); break;
                    case SDL_CONTROLLER_BUTTON_START: button(pad, PadButton::Start, held); break;
                    case SDL_CONTROLLER_BUTTON_BACK: button(pad, PadButton::Back, held); break;
                    default: break;
                }
                break;
            }
            case SDL_CONTROLLERAXISMOTION: {
                const auto found = pads_.find(event.caxis.which);
                if (found != pads_.end()) stick(found->second, event.caxis.axis, event.caxis.value);
                break;
            }
            default: break;
        }
    }
    schedule();
    // Told only now: a press may open a dialog, whose event loop polls again, and the
    // controllers must not change under a poll that is still reading them.
    tell();
}

void ControllerInput::tell() {
    std::vector<std::pair<PadButton, bool>> changes;
    changes.swap(changes_);
    for (const auto& [button, held] : changes) {
        if (held) {
            emit pressed(button);
        } else {
            emit released(button);
        }
    }
}

void ControllerInput::schedule() {
    if (background_) {
        poll_.stop();
    } else if (!pads_.empty()) {
        looking_.invalidate();  // found
        if (!poll_.isActive() || poll_.interval() != ReadEveryMs) poll_.start(ReadEveryMs);
    } else if (looking_.isValid() && looking_.elapsed() < LookForMs) {
        if (!poll_.isActive() || poll_.interval() != LookEveryMs) poll_.start(LookEveryMs);
    } else {
        looking_.invalidate();
        poll_.stop();
    }
}

void ControllerInput::open(int deviceIndex) {
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;  // no permission, or gone again
    const int instance = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    if (!pads_.try_emplace(instance, Pad{controller}).second) SDL_GameControllerClose(controller);
}

void ControllerInput::close(int instance) {
    const auto found = pads_.find(instance);
    if (found == pads_.end()) return;
    Pad& pad = found->second;
    letGo(pad);  // so that no direction goes on repeating
    SDL_GameControllerClose(pad.controller);
    pads_.erase(found);
}

void ControllerInput::letGo(Pad& pad) {
    for (const PadButton direction : {PadButton::Left, PadButton::Right, PadButton::Down}) {
        if (pad.holders[directionIndex(direction)]) changes_.emplace_back(direction, false);
    }
    for (const PadButton other : {PadButton::South, PadButton::East, PadButton::Start, PadButton::Back}) {
        if (pad.buttons & (1u << static_cast<unsigned>(other))) changes_.emplace_back(other, false);
    }
    pad.holders = {};
    pad.buttons = 0;
}

void ControllerInput::hold(Pad& pad, PadButton direction, unsigned char source, bool held) {
    unsigned char& holders = pad.holders[directionIndex(direction)];
    const bool before = holders != 0;
    holders = held ? holders | source : holders & ~source;
    if (before != (holders != 0)) changes_.emplace_back(direction, held);
}

void ControllerInput::button(Pad& pad, PadButton which, bool held) {
    const unsigned bit = 1u << static_cast<unsigned>(which);
    if (((pad.buttons & bit) != 0) == held) return;
    pad.buttons = held ? pad.buttons | bit : pad.buttons & ~bit;
    changes_.emplace_back(which, held);
}

void ControllerInput::stick(Pad& pad, int axis, int value) {
    const auto track = [&](PadButton direction, int along) {
        const bool was = (pad.holders[directionIndex(direction)] & Stick) != 0;
        const bool now = was ? along > StickOff : along > StickOn;
        if (now != was) hold(pad, direction, Stick, now);
    };
    if (axis == SDL_CONTROLLER_AXIS_LEFTX) {
        track(PadButton::Left, -value);
        track(PadButton::Right, value);
    } else if (axis == SDL_CONTROLLER_AXIS_LEFTY) {
        track(PadButton::Down, value);  // SDL's y grows downwards
    }
}

}  // namespace tumblehand::ui
