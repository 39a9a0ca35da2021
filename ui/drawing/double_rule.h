#pragma once

#include "board/controls.h"

class QPainter;

namespace tumblehand::ui {

class TwipsScale;

/// The double rules of the secondary windows: a white line with a grey one just
/// below it (horizontal) or just right of it (vertical), one pixel each at 96 dpi.
void drawHorizontalRule(QPainter& painter, const TwipsScale& scale, double y, double fromX, double toX);
void drawVerticalRule(QPainter& painter, const TwipsScale& scale, double x, double fromY, double toY);
/// A rule of a window's model, horizontal or vertical.
void paintRule(QPainter& painter, const TwipsScale& scale, const Rule& rule);

}  // namespace tumblehand::ui
