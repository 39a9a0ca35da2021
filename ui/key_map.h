#pragma once

#include "play/key_codes.h"

#include <optional>

namespace tumblehand::ui {

/// The virtual-key code of a Qt key (Qt::Key), or nothing for a key the game never reads.
std::optional<int> virtualKeyOf(int qtKey);

}  // namespace tumblehand::ui
