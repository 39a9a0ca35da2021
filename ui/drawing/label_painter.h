#pragma once

#include "board/controls.h"

#include <QPointF>
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

/// Draws a visible label where its model puts it, in container's coordinates (twips):
/// its caption as plain text, centred vertically in the label.
void paintLabel(QPainter& painter, const TwipsScale& scale, const Label& label, const LabelStyle& style,
                QPointF container = {});

}  // namespace tumblehand::ui
