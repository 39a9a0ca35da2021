#pragma once

#include <QColor>
#include <QSize>

class QPainter;
class QRect;

namespace tumblehand::ui {

class TwipsScale;

/// The colour of every window behind its controls.
inline const QColor WindowColour(0xD8, 0xD4, 0xCB);
/// The bars on the spare sides when a window's shape differs from its client area's.
inline const QColor BarColour(0x6E, 0x6A, 0x63);

/// A client area's size at 96 dpi (15 twips a pixel).
constexpr QSize size96(int areaWidthTwips, int areaHeightTwips) {
    return QSize(areaWidthTwips / 15, areaHeightTwips / 15);
}

/// The size a window opens at: twice its client area at 96 dpi (15 twips a pixel).
QSize openingSize(int areaWidthTwips, int areaHeightTwips);

/// The start of every paint of a window: the bars over the whole widget, the window
/// colour over its client area.
void paintBackground(QPainter& painter, const QRect& widgetRect, const TwipsScale& scale);

}  // namespace tumblehand::ui
