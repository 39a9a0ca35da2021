#pragma once

#include "board/form1.h"

#include <array>
#include <string_view>

namespace tumblehand::sim {

/// The labels a scenario can set and the dump shows, by name, in the dump's order.
inline constexpr std::array<std::string_view, 11> LabelNames = {
    "YakuL", "Gscore", "ComboS", "TotalS", "Score", "Label2", "Label3", "Label4", "Label5", "StopL", "MoveNum"};

/// The label of that name among LabelNames, or null.
Label* findLabel(Form1& form, std::string_view name);

}  // namespace tumblehand::sim
