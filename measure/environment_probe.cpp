#include "measure/environment_probe.h"

#include "board/game_state.h"

#include <chrono>
#include <cstdlib>
#include <cstring>

namespace tumblehand::measure {

namespace {

long long monotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

const char* variable(const char* name) {
    const char* value = std::getenv(name);
    return value && *value && std::strcmp(value, "0") != 0 ? value : nullptr;
}

}  // namespace

EnvironmentProbe::EnvironmentProbe() {
    const char* measure = variable("TUMBLEHAND_MEASURE");
    if (!measure) return;
    if (std::strcmp(measure, "1") == 0) {
        out_ = stdout;
    } else {
        file_.reset(std::fopen(measure, "a"));
        out_ = file_ ? file_.get() : stderr;
    }
    const char* level = variable("TUMBLEHAND_MEASURE_LEVEL");
    topSpeed_ = level && std::strcmp(level, "10") == 0;
    controller_ = variable("TUMBLEHAND_MEASURE_CONTROLLER") != nullptr;
}

void EnvironmentProbe::painted(const QRect& rect, const QSize& widget) {
    if (!out_) return;
    const long long t = monotonicNs();
    if (firstPaint_) std::fprintf(out_, "first-paint %lld\n", t);
    firstPaint_ = false;
    std::fprintf(out_, "paint %lld %d %d %d %d %d %d\n", t, rect.x(), rect.y(), rect.width(), rect.height(),
                 widget.width(), widget.height());
    std::fflush(out_);
}

void EnvironmentProbe::tick(int timer, int intervalMs, double latenessUs) {
    if (!out_) return;
    std::fprintf(out_, "tick %d %lld %d %.1f\n", timer, monotonicNs(), intervalMs, latenessUs);
    std::fflush(out_);
}

void EnvironmentProbe::cue(const std::string& path) {
    if (!out_) return;
    std::fprintf(out_, "cue %lld %s\n", monotonicNs(), path.c_str());
    std::fflush(out_);
}

void EnvironmentProbe::procedureRan(GameState& state) {
    constexpr std::int16_t BeforeLevelTen = 110;  // the first pair takes 10 ms off
    if (topSpeed_ && state.GravityInterval == NewGameInterval) state.GravityInterval = BeforeLevelTen;
    // Where the falling pair is, whenever a procedure moved it: tools/wayland-desktops.sh
    // tells from it whether a key reached the game.
    if (out_ && (state.FallingPair[0] != pair_[0] || state.FallingPair[1] != pair_[1])) {
        pair_ = {state.FallingPair[0], state.FallingPair[1]};
        std::fprintf(out_, "pair %lld %d %d\n", monotonicNs(), pair_[0], pair_[1]);
        std::fflush(out_);
    }
}

}  // namespace tumblehand::measure
