#pragma once

#include "board/controls.h"

#include <QPointF>
#include <QRectF>
#include <Qt>

class QPainter;

namespace tumblehand::ui {

class TwipsScale;

/// How a label's caption is drawn; the model gives its place, text and colour.
struct LabelStyle {
    double points = 12;
    bool bold = true;
    Qt::Alignment horizontal = Qt::AlignLeft;
    bool filled = false;  ///< the label's rectangle is painted black behind its text
    bool fitted = false;  ///< a caption wider than the label is squeezed sideways to fit it
    /// Twips from the label's left edge that a left-aligned caption may take; a wider
    /// one is squeezed into them. 0: as wide as the label says.
    double widest = 0;
    /// Twips kept clear at each side of a centred caption, so that a wide one ("10") is
    /// squeezed between a card's corner pips rather than drawn over them.
    double sideMargin = 0;
};

/// The box a label's caption is laid out in, in the scale's pixels (container in twips):
/// the label's rectangle, narrowed by the side margins, or cut to widest.
QRectF captionBox(const TwipsScale& scale, const Label& label, const LabelStyle& style, QPointF container = {});

/// Where a caption of the given size (pixels) lands in its box: aligned as the style
/// says, centred vertically, and no wider than the box where the style squeezes it.
QRectF captionExtent(const QRectF& box, const LabelStyle& style, double textWidth, double textHeight);

/// Draws a visible label where its model puts it, in container's coordinates (twips):
/// its caption as plain text, centred vertically in the label.
void paintLabel(QPainter& painter, const TwipsScale& scale, const Label& label, const LabelStyle& style,
                QPointF container = {});

}  // namespace tumblehand::ui
