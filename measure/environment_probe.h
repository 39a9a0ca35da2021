#pragma once

#include "ui/system/probe.h"

#include <array>
#include <cstdio>
#include <memory>

namespace tumblehand::measure {

/// The probe of tools/measure-window.sh, set by the environment. With TUMBLEHAND_MEASURE
/// set (and not "0") it prints one line per event with the monotonic clock in
/// nanoseconds: on stdout for "1", else appended to the file the variable names. Only
/// with it, TUMBLEHAND_MEASURE_LEVEL=10 starts every game at top speed and
/// TUMBLEHAND_MEASURE_CONTROLLER=1 asks for a virtual game controller.
class EnvironmentProbe : public ui::Probe {
public:
    EnvironmentProbe();

    /// True when a virtual game controller is wanted.
    bool wantsController() const { return controller_; }

    /// "first-paint <ns>" once, then "paint <ns> <x> <y> <w> <h> <widget-w> <widget-h>".
    void painted(const QRect& rect, const QSize& widget) override;
    /// "tick <timer> <ns> <interval-ms> <lateness-us>".
    void tick(int timer, int intervalMs, double latenessUs) override;
    /// "cue <ns> <path>", so that the cue's onset can be found in a recording.
    void cue(const std::string& path) override;
    /// At top speed, a new game's fall interval (NewGameInterval until its first pair has come in)
    /// becomes 110 ms, so that its first pair already falls at level 10's 100 ms. Nothing
    /// else is changed. "pair <ns> <cell0> <cell1>" whenever the falling pair moved.
    void procedureRan(GameState& state) override;

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::unique_ptr<std::FILE, Closer> file_;  ///< the file named by TUMBLEHAND_MEASURE, if any
    std::FILE* out_ = nullptr;                 ///< where the lines go; null prints nothing
    bool topSpeed_ = false;
    bool controller_ = false;
    bool firstPaint_ = true;
    std::array<int, 2> pair_{-1, -1};
};

}  // namespace tumblehand::measure
