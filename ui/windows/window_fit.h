#pragma once

#include <QSize>

namespace tumblehand::ui {

/// The inside of the main window on a screen: twice its 96-dpi size where that, with the
/// chrome (menu bar and frame) around it, fits the available area; else the largest size
/// that does, with its proportions kept; never smaller than the 96-dpi size itself.
QSize fitMainWindow(QSize size96, QSize chrome, QSize available);

/// The factor, from 1 to 2, by which the hand table and the records window are drawn over
/// their 96-dpi sizes so that the main window's frame and both of theirs (each with border
/// around it) stand side by side in the available area, gap apart; 2 where there is room,
/// 1 where even that is too large.
double tablesScale(QSize hand96, QSize records96, QSize border, int mainFrameWidth, QSize available, int gap);

}  // namespace tumblehand::ui
