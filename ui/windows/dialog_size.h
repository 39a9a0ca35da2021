#pragma once

class QInputDialog;
class QMessageBox;

namespace tumblehand::ui {

/// Widens a message box, once its title, text and buttons are set, so that its title
/// fits in the title bar beside the window buttons and it is never a narrow strip:
/// some desktops size a dialog's frame by its contents alone.
void giveSensibleWidth(QMessageBox& box);
/// The same for an input box.
void giveSensibleWidth(QInputDialog& dialog);

}  // namespace tumblehand::ui
