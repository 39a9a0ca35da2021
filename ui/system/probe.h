#pragma once

#include <QRect>
#include <QSize>

#include <string>

namespace tumblehand {
struct GameState;
}

namespace tumblehand::ui {

/// What the window tells a measurement: finished paints, timer ticks, cues. The game's
/// own probe does nothing; only the measuring executable hands in one that listens.
class Probe {
public:
    virtual ~Probe() = default;

    /// The board view finished a paint of rect (the bounding rectangle of the repainted
    /// area) while the view was widget large.
    virtual void painted(const QRect& /*rect*/, const QSize& /*widget*/) {}
    /// Timer number timer, of intervalMs, is about to run its handler, latenessUs after
    /// its due time.
    virtual void tick(int /*timer*/, int /*intervalMs*/, double /*latenessUs*/) {}
    /// The game asks for the cue in path.
    virtual void cue(const std::string& /*path*/) {}
    /// A procedure of the game has just run, before its result is shown: the one moment
    /// at which a measurement may set the game up (the game's own probe never does).
    virtual void procedureRan(GameState& /*state*/) {}
};

/// The probe of the game itself: it hears everything and does nothing.
inline Probe& silentProbe() {
    static Probe silent;
    return silent;
}

}  // namespace tumblehand::ui
