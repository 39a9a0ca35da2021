#pragma once

#include "board/card.h"

#include <optional>
#include <string_view>

namespace tumblehand::sim {

/// The eight face names, as scenarios and the dump spell them.
std::string_view faceName(CardFace face);
/// The face of a name; nothing for an unknown name.
std::optional<CardFace> parseFaceName(std::string_view name);

}  // namespace tumblehand::sim
