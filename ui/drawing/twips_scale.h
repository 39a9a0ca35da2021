#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace tumblehand::ui {

/// Maps a client area laid out in twips onto a widget: one uniform factor (the aspect
/// ratio is kept) and the drawing centred, with bars on the spare sides.
class TwipsScale {
public:
    TwipsScale(QSizeF widgetSize, int areaWidthTwips, int areaHeightTwips);

    /// Logical pixels per twip.
    double factor() const { return factor_; }
    /// Where twip (0, 0) lies in the widget.
    QPointF origin() const { return origin_; }
    /// The whole client area in widget coordinates.
    QRectF area() const;

    QRectF rect(double left, double top, double width, double height) const;
    QPointF point(double x, double y) const;
    double length(double twips) const { return twips * factor_; }
    /// The twips position of a widget point.
    QPointF toTwips(QPointF widgetPoint) const;

private:
    double factor_;
    QPointF origin_;
    QSizeF areaTwips_;
};

/// The rectangle with its edges moved to whole device pixels, so that pictures drawn
/// into it are not smeared.
QRectF snapToDevice(const QRectF& rect, double devicePixelRatio);

}  // namespace tumblehand::ui
