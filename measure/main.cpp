// tumblehand-measure: the game with the measuring probe of tools/measure-window.sh; never
// installed.
#include "measure/environment_probe.h"
#include "measure/virtual_controller.h"
#include "ui/app/main_window.h"
#include "ui/app/run_game.h"
#include "ui/input/controller_input.h"
#include "ui/input/controller_keys.h"

int main(int argc, char* argv[]) {
    using namespace tumblehand;
    measure::EnvironmentProbe probe;
    return ui::runGame(argc, argv, probe, [&probe](ui::MainWindow& window) {
        if (!probe.wantsController()) return;
        // The window has started SDL's controller support; nothing polls until a
        // controller is known, so it is read once by hand.
        ui::ControllerInput& input = window.findChild<ui::ControllerKeys*>()->input();
        if (input.available() && measure::attachVirtualController() >= 0) input.poll();
    });
}
