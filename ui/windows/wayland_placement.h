#pragma once

#include <QPoint>

class QWindow;

namespace tumblehand::ui {

/// Whether the desktop lets the game say where its windows go: KWin offers every Wayland
/// program its plasma-shell protocol. False on X11, where the game moves its windows
/// itself, and on other Wayland desktops.
bool desktopTakesPositions();

/// On such a desktop, asks it to put window's frame at frameTopLeft (global) as soon as
/// the window has a surface: before it is first drawn, so that it opens there. Elsewhere
/// does nothing.
void askDesktopToPlace(QWindow& window, QPoint frameTopLeft);

/// On GNOME (its gtk-shell protocol), tells the desktop that dialog holds the game still,
/// so that it centres the dialog on the window it belongs to; Qt does not say so itself.
/// Before the dialog is first shown; elsewhere does nothing.
void tellDesktopItIsModal(QWindow& dialog);

}  // namespace tumblehand::ui
