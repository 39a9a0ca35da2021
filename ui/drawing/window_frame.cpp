#include "ui/drawing/window_frame.h"

#include "ui/drawing/twips_scale.h"

#include <QPainter>

namespace tumblehand::ui {

QSize openingSize(int areaWidthTwips, int areaHeightTwips) {
    return QSize(areaWidthTwips * 2 / 15, areaHeightTwips * 2 / 15);
}

void paintBackground(QPainter& painter, const QRect& widgetRect, const TwipsScale& s) {
    painter.fillRect(widgetRect, BarColour);
    painter.fillRect(s.area(), WindowColour);
}

}  // namespace tumblehand::ui
