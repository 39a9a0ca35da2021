#include "ui/drawing/twips_scale.h"

#include <algorithm>
#include <cmath>

namespace tumblehand::ui {

TwipsScale::TwipsScale(QSizeF widgetSize, int areaWidthTwips, int areaHeightTwips)
    : areaTwips_(areaWidthTwips, areaHeightTwips) {
    factor_ = std::min(widgetSize.width() / areaWidthTwips, widgetSize.height() / areaHeightTwips);
    if (factor_ <= 0) factor_ = 1.0 / 15;
    origin_ = QPointF((widgetSize.width() - areaWidthTwips * factor_) / 2,
                      (widgetSize.height() - areaHeightTwips * factor_) / 2);
}

QRectF TwipsScale::area() const { return rect(0, 0, areaTwips_.width(), areaTwips_.height()); }

QRectF TwipsScale::rect(double left, double top, double width, double height) const {
    return QRectF(point(left, top), QSizeF(width * factor_, height * factor_));
}

QPointF TwipsScale::point(double x, double y) const { return origin_ + QPointF(x * factor_, y * factor_); }

QPointF TwipsScale::toTwips(QPointF widgetPoint) const {
    const QPointF p = widgetPoint - origin_;
    return QPointF(p.x() / factor_, p.y() / factor_);
}

QRectF snapToDevice(const QRectF& rect, double devicePixelRatio) {
    const double r = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const double left = std::round(rect.left() * r) / r;
    const double top = std::round(rect.top() * r) / r;
    const double right = std::round(rect.right() * r) / r;
    const double bottom = std::round(rect.bottom() * r) / r;
    return QRectF(left, top, std::max(right - left, 1.0 / r), std::max(bottom - top, 1.0 / r));
}

}  // namespace tumblehand::ui
