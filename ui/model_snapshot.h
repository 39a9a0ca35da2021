#pragma once

#include <string>

namespace tumblehand {
class Form1;
struct Form3;
}

namespace tumblehand::ui {

/// Everything the main window draws, as one string: equal snapshots draw equal pictures,
/// so the window repaints only when the snapshot changes.
std::string mainWindowSnapshot(const Form1& form);

/// Everything the records window draws.
std::string recordsSnapshot(const Form3* form3);

}  // namespace tumblehand::ui
