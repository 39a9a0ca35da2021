#pragma once

#include "board/game_state.h"

#include <QRect>
#include <QSize>

namespace tumblehand::ui::measure {

/// True when TUMBLEHAND_MEASURE is set (and not "0"): the window then prints, for
/// tools/measure-window.sh, one line per event with the monotonic clock in
/// nanoseconds, on stdout for "1", else appended to the file the variable names.
/// Never set in play, never in a menu. The output is all it changes, unless
/// TUMBLEHAND_MEASURE_LEVEL is set too (see applyMeasuredLevel).
bool enabled();

/// "first-paint <ns>" once, then "paint <ns> <x> <y> <w> <h> <widget-w> <widget-h>" for
/// every paint, with the bounding rectangle of the repainted area.
void painted(const QRect& rect, const QSize& widget);

/// Calls painted() when it goes out of scope, so the time is that of a finished paint.
class PaintScope {
public:
    PaintScope(const QRect& rect, const QSize& widget) : rect_(rect), widget_(widget) {}
    ~PaintScope() { painted(rect_, widget_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

private:
    QRect rect_;
    QSize widget_;
};

/// "tick <timer> <ns> <interval-ms> <lateness-us>": a timer handler is about to run,
/// lateness after its due time.
void tick(int timer, int intervalMs, double latenessUs);

/// "cue <ns> <path>": the game asks for a cue, so that its onset can be found in a recording.
void cue(const char* path);

/// Called after every procedure. With TUMBLEHAND_MEASURE_LEVEL=10 as well as
/// TUMBLEHAND_MEASURE, this changes the game: a new game's fall interval (1010 ms until
/// its first pair has come in) becomes 110 ms, so that its first pair already falls at
/// level 10's 100 ms and the window is measured at top speed without playing up to it. Nothing else is changed; without
/// the variables this does nothing.
void applyMeasuredLevel(GameState& state);

/// With TUMBLEHAND_MEASURE_CONTROLLER=1 as well, the game starts with a virtual game
/// controller attached, so that the cost of reading a controller can be measured on a
/// machine without one.
bool attachVirtualController();

}  // namespace tumblehand::ui::measure
