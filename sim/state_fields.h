#pragma once

#include "board/game_state.h"
#include "sim/dump_json.h"

#include <string>
#include <string_view>
#include <vector>

namespace tumblehand::sim {

/// Every GameState field by its name, in the order the window keeps them: arrays as
/// JSON arrays, flags as true/false, FlushFace as a face name.
Json stateJson(const GameState& state);

/// Sets a field from scenario words: FIELD with one value, an array with all its
/// values, or "FIELD.INDEX" with one value for a single element. Values are checked
/// against the field's width. Returns an error message, or an empty string.
std::string setStateField(GameState& state, std::string_view field, const std::vector<std::string>& values);

/// The names of all fields, for the help text.
std::vector<std::string> stateFieldNames();

}  // namespace tumblehand::sim
