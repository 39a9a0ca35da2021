#pragma once

#include "board/card.h"

#include <QHash>
#include <QPixmap>
#include <QSize>

#include <array>
#include <memory>

class QPainter;
class QRectF;
class QSvgRenderer;

namespace tumblehand::ui {

/// The side of a face picture in twips: its 32 pixels, drawn unstretched.
inline constexpr double PictureSize = 480;

/// The face pictures, rendered from our SVG art once per size and kept. A face whose
/// SVG is missing or broken is drawn as a plain card-coloured rectangle.
class FaceCache {
public:
    FaceCache();
    ~FaceCache();

    /// Draws face into rect (stretched to it), at the painter's device pixel ratio.
    void draw(QPainter& painter, CardFace face, const QRectF& rect);

    /// The window icon art (the joker figure without its card), or null if missing.
    static QPixmap icon(int size);

    /// True when the SVG for face was found and parsed.
    bool hasArt(CardFace face) const;

private:
    QPixmap rendered(CardFace face, QSize devicePixels, double ratio);

    std::array<std::unique_ptr<QSvgRenderer>, 7> renderers_;
    QHash<quint64, QPixmap> pixmaps_;
};

}  // namespace tumblehand::ui
