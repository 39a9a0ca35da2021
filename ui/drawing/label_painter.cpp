#include "ui/drawing/label_painter.h"

#include "ui/drawing/fonts.h"
#include "ui/drawing/text_painting.h"
#include "ui/drawing/twips_scale.h"

#include <QPainter>

#include <algorithm>

namespace tumblehand::ui {

namespace {

bool squeezes(const LabelStyle& style) { return style.fitted || style.widest > 0 || style.sideMargin > 0; }

}  // namespace

QRectF captionBox(const TwipsScale& s, const Label& label, const LabelStyle& style, QPointF container) {
    const QRectF rect = s.rect(container.x() + label.Left, container.y() + label.Top, label.Width, label.Height);
    if (style.widest > 0) return QRectF(rect.topLeft(), QSizeF(s.length(style.widest), rect.height()));
    const double margin = s.length(style.sideMargin);
    return rect.adjusted(margin, 0, -margin, 0);
}

QRectF captionExtent(const QRectF& box, const LabelStyle& style, double textWidth, double textHeight) {
    const double width = squeezes(style) && box.width() > 0 ? std::min(textWidth, box.width()) : textWidth;
    double left = box.left();
    if (style.horizontal & Qt::AlignHCenter) left = box.center().x() - width / 2;
    if (style.horizontal & Qt::AlignRight) left = box.right() - width;
    return QRectF(left, box.center().y() - textHeight / 2, width, textHeight);
}

void paintLabel(QPainter& painter, const TwipsScale& s, const Label& label, const LabelStyle& style,
                QPointF container) {
    if (!label.Visible) return;
    if (style.filled) {
        painter.fillRect(s.rect(container.x() + label.Left, container.y() + label.Top, label.Width, label.Height),
                         Qt::black);
    }
    if (label.Caption.empty()) return;
    const auto draw = squeezes(style) ? drawPlainTextFitted : drawPlainText;
    draw(painter, captionBox(s, label, style, container), style.horizontal | Qt::AlignVCenter, toQString(label.Caption),
         gameFont(style.points, style.bold, s.factor()), toQColor(label.ForeColor));
}

}  // namespace tumblehand::ui
