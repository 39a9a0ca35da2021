#pragma once

namespace tumblehand::ui {

class BoardView;

/// Lets screen readers see the board and the hand-table and records windows. Their
/// accessible objects are made only when an assistive tool asks for them; without one
/// nothing is made and nothing is sent.
void installAccessibility();

/// After a procedure: tells a listening screen reader what changed on the board. Does
/// nothing, and costs nothing, while no assistive tool listens.
void announceChanges(BoardView& view);

}  // namespace tumblehand::ui
