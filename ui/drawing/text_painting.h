#pragma once

#include "board/controls.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <string>

class QPainter;

namespace tumblehand::ui {

QColor toQColor(Rgb rgb);
QString toQString(const std::string& text);

/// Draws a caption as plain text: never markup, whatever it holds. The text is not
/// clipped to its label, as a growing score must stay readable. Very light colours get
/// a thin dark shadow so that they read on the light window.
void drawPlainText(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QString& text,
                   const QFont& font, const QColor& color);

/// Like drawPlainText, but text wider than rect is squeezed sideways to fit it.
void drawPlainTextFitted(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QString& text,
                         const QFont& font, const QColor& color);

}  // namespace tumblehand::ui
