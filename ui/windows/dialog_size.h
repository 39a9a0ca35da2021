#pragma once

class QDialog;
class QInputDialog;
class QMessageBox;

namespace tumblehand::ui {

/// Widens a message box, once its title, text and buttons are set, so that its title
/// fits in the title bar beside the window buttons and it is never a narrow strip:
/// some desktops size a dialog's frame by its contents alone.
void giveSensibleWidth(QMessageBox& box);
/// The same for an input box.
void giveSensibleWidth(QInputDialog& dialog);

/// A dialog's frame holds its title and a close button only: a dialog that holds the
/// game still is neither minimised nor maximised.
void frameAsDialog(QDialog& dialog);

}  // namespace tumblehand::ui
