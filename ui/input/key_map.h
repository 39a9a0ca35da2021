#pragma once

#include "play/key_codes.h"

#include <optional>

namespace tumblehand::ui {

/// The virtual-key code of a Qt key (Qt::Key), or nothing for a key the game never reads.
std::optional<int> virtualKeyOf(int qtKey);

/// A controller's inputs that press keys: the D-pad and the left stick give the three
/// directions; the face buttons are named by where they sit (south is A on most pads).
enum class PadButton { Left, Right, Down, South, East, Start, Back };

/// Where a controller's press goes: the game while one runs, the game when none runs
/// (Start then begins one), or the dialog that holds the game still.
enum class PadContext { Playing, NoGame, Dialog };

/// The Qt key (Qt::Key) that a controller button presses in that context, or nothing.
std::optional<int> qtKeyOfPad(PadButton button, PadContext context);

}  // namespace tumblehand::ui
