#include "ui/app/run_game.h"

int main(int argc, char* argv[]) { return tumblehand::ui::runGame(argc, argv, tumblehand::ui::silentProbe()); }
