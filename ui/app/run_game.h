#pragma once

#include "ui/system/probe.h"

#include <functional>

namespace tumblehand::ui {

class MainWindow;

/// Runs the game in its window until the window closes and returns the exit code: 1 at
/// once when there is no display. probe hears the window's paints, ticks and cues; ready
/// sees the main window once it is built, before the game loads.
int runGame(int argc, char* argv[], Probe& probe, const std::function<void(MainWindow&)>& ready = {});

}  // namespace tumblehand::ui
