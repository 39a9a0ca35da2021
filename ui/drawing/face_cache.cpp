#include "ui/drawing/face_cache.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace tumblehand::ui {

namespace {

constexpr std::array<const char*, 7> ArtFiles = {":/art/spade.svg", ":/art/heart.svg", ":/art/diamond.svg",
                                                 ":/art/club.svg",  ":/art/joker.svg", ":/art/pig.svg",
                                                 ":/art/back.svg"};

// Sizes change only with the window; a handful of sizes per face is all a session needs.
constexpr int MaxCachedPixmaps = 256;

std::unique_ptr<QSvgRenderer> loadArt(const char* path) {
    if (!QFile::exists(QString::fromLatin1(path))) return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(QString::fromLatin1(path));
    if (!renderer->isValid()) return nullptr;
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    return renderer;
}

QColor plainColour(CardFace face) {
    switch (face) {
        case CardFace::Pig: return QColor(0x44, 0x44, 0x44);
        case CardFace::Back: return QColor(0x70, 0x70, 0x70);
        default: return QColor(0xF8, 0xF6, 0xEE);
    }
}

}  // namespace

FaceCache::FaceCache() {
    for (std::size_t i = 0; i < ArtFiles.size(); ++i) renderers_[i] = loadArt(ArtFiles[i]);
}

FaceCache::~FaceCache() = default;

bool FaceCache::hasArt(CardFace face) const {
    const auto index = static_cast<std::size_t>(face);
    return index < renderers_.size() && renderers_[index] != nullptr;
}

QPixmap FaceCache::rendered(CardFace face, QSize devicePixels, double ratio) {
    const quint64 key = (static_cast<quint64>(face) << 48) | (static_cast<quint64>(devicePixels.width()) << 24) |
                        static_cast<quint64>(devicePixels.height());
    if (auto found = pixmaps_.constFind(key); found != pixmaps_.constEnd()) return *found;
    if (pixmaps_.size() >= MaxCachedPixmaps) pixmaps_.clear();

    QPixmap pixmap(devicePixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderers_[static_cast<std::size_t>(face)]->render(&painter, QRectF(QPointF(0, 0), devicePixels));
    }
    pixmap.setDevicePixelRatio(ratio);
    pixmaps_.insert(key, pixmap);
    return pixmap;
}

void FaceCache::draw(QPainter& painter, CardFace face, const QRectF& rect) {
    if (face == CardFace::Empty || rect.width() <= 0 || rect.height() <= 0) return;
    if (!hasArt(face)) {
        painter.save();
        painter.setPen(QColor(0x50, 0x50, 0x50));
        painter.setBrush(plainColour(face));
        painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.restore();
        return;
    }
    const double ratio = painter.device()->devicePixelRatioF();
    const QSize devicePixels(std::max(1, static_cast<int>(std::lround(rect.width() * ratio))),
                             std::max(1, static_cast<int>(std::lround(rect.height() * ratio))));
    painter.drawPixmap(rect.topLeft(), rendered(face, devicePixels, ratio));
}

QPixmap FaceCache::icon(int size) {
    QSvgRenderer renderer(QStringLiteral(":/art/icon.svg"));
    if (!renderer.isValid()) return {};
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return pixmap;
}

}  // namespace tumblehand::ui
