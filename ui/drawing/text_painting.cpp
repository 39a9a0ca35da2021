#include "ui/drawing/text_painting.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace tumblehand::ui {

QColor toQColor(Rgb rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

QString toQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void drawPlainText(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QString& text,
                   const QFont& font, const QColor& color) {
    if (text.isEmpty()) return;
    painter.setFont(font);
    // drawText with a plain QString never interprets tags or entities.
    const int flags = static_cast<int>(alignment) | Qt::TextDontClip | Qt::TextSingleLine;
    if (color.lightnessF() > 0.75 && color != QColor(Qt::white)) {
        const double shift = std::max(1.0, font.pixelSize() / 16.0);
        painter.setPen(QColor(60, 60, 60));
        painter.drawText(rect.translated(shift, shift), flags, text);
    }
    painter.setPen(color);
    painter.drawText(rect, flags, text);
}

void drawPlainTextFitted(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QString& text,
                         const QFont& font, const QColor& color) {
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    if (width <= rect.width() || width <= 0 || rect.width() <= 0) {
        drawPlainText(painter, rect, alignment, text, font, color);
        return;
    }
    painter.save();
    painter.translate(rect.left(), 0);
    painter.scale(rect.width() / width, 1);
    drawPlainText(painter, QRectF(0, rect.top(), width, rect.height()), alignment, text, font, color);
    painter.restore();
}

}  // namespace tumblehand::ui
