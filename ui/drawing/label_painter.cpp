#include "ui/drawing/label_painter.h"

#include "ui/drawing/fonts.h"
#include "ui/drawing/text_painting.h"
#include "ui/drawing/twips_scale.h"

#include <QPainter>

namespace tumblehand::ui {

void paintLabel(QPainter& painter, const TwipsScale& s, const Label& label, const LabelStyle& style,
                QPointF container) {
    if (!label.Visible) return;
    const QRectF rect = s.rect(container.x() + label.Left, container.y() + label.Top, label.Width, label.Height);
    if (style.filled) painter.fillRect(rect, Qt::black);
    if (label.Caption.empty()) return;
    const bool squeezed = style.fitted || style.widest > 0 || style.sideMargin > 0;
    const double margin = s.length(style.sideMargin);
    const QRectF box = style.widest > 0 ? QRectF(rect.topLeft(), QSizeF(s.length(style.widest), rect.height()))
                                        : rect.adjusted(margin, 0, -margin, 0);
    const auto draw = squeezed ? drawPlainTextFitted : drawPlainText;
    draw(painter, box, style.horizontal | Qt::AlignVCenter, toQString(label.Caption),
         gameFont(style.points, style.bold, s.factor()), toQColor(label.ForeColor));
}

}  // namespace tumblehand::ui
