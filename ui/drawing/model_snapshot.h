#pragma once

#include <string>

namespace tumblehand {
struct Form3;
}

namespace tumblehand::ui {

/// Everything the records window draws, as one string: equal snapshots draw equal
/// pictures, so the window repaints only when the snapshot changes. (The board view
/// tracks its controls one by one: see RepaintTracker.)
std::string recordsSnapshot(const Form3* form3);

}  // namespace tumblehand::ui
