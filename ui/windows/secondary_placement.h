#pragma once

#include <QRect>

class QWidget;

namespace tumblehand::ui {

/// Where a secondary window's frame goes when it is first shown: beside the main
/// window's frame on the right, else on the left, else beyond avoid where that stands
/// beside the main window already; where neither side has room for it,
/// shrunk to the side with more room, keeping its shape, down to half its size, all of
/// these first away from avoid (the other secondary window, if shown); else,
/// at its size, wherever on the screen it covers the least of the well (then the least
/// of the main window). size is the window's inside, border what the frame adds to it.
/// All rectangles are in global coordinates; screen is the available area of the main
/// window's screen.
QRect besideMainWindow(QSize size, QSize border, const QRect& mainFrame, const QRect& well, const QRect& screen,
                       const QRect& avoid = {});

/// Puts a secondary window that has not been shown yet beside the main window, on the
/// main window's screen, shrunk to the room there down to half its size (the size of
/// its layout at 96 dpi), away from avoid (a frame, global) where it can. well is the
/// well's area in the main window's own coordinates.
/// Called once: when the player moves the window later, it stays where they put it.
/// Returns the frame it chose.
QRect placeBesideMainWindow(QWidget& secondary, const QWidget& mainWindow, const QRect& well, const QRect& avoid);

/// Esc closes the secondary window while it is the active window.
void closeOnEscape(QWidget& secondary);

}  // namespace tumblehand::ui
