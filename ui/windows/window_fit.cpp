#include "ui/windows/window_fit.h"

#include <algorithm>

namespace tumblehand::ui {

QSize fitMainWindow(QSize size96, QSize chrome, QSize available) {
    const QSize twice = size96 * 2;
    const QSize room = (available - chrome).boundedTo(twice);
    if (room.width() < size96.width() || room.height() < size96.height()) return size96;
    return twice.scaled(room, Qt::KeepAspectRatio);
}

double tablesScale(QSize hand96, QSize records96, QSize border, int mainFrameWidth, QSize available, int gap) {
    const int width = available.width() - mainFrameWidth - 2 * gap - 2 * border.width();
    const int height = available.height() - border.height();
    const double across = static_cast<double>(width) / (hand96.width() + records96.width());
    const double down = static_cast<double>(height) / std::max(hand96.height(), records96.height());
    return std::clamp(std::min(across, down), 1.0, 2.0);
}

}  // namespace tumblehand::ui
