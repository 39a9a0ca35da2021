#pragma once

class QMessageBox;

namespace tumblehand::ui {

/// A button's letter (Y for Yes, N for No) answers the box at the press, instead of
/// after the 100 ms that Qt shows the button held down: the keys the player presses
/// next then reach the game, not the closing box.
void answerOnLetterPress(QMessageBox& box);

}  // namespace tumblehand::ui
