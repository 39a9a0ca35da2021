#include "ui/drawing/repaint_tracker.h"

#include "ui/drawing/face_cache.h"
#include "ui/drawing/fonts.h"
#include "ui/drawing/text_painting.h"
#include "ui/drawing/twips_scale.h"

#include <QFontMetricsF>

#include <algorithm>

namespace tumblehand::ui {

QRect coveringRect(const QRectF& rect, int margin) {
    if (rect.isEmpty()) return {};
    return rect.toAlignedRect().adjusted(-margin, -margin, margin, margin);
}

std::size_t RepaintTracker::trackPicture(const Picture& picture, QPointF container, bool ownSize) {
    return track(&picture, {.picture = &picture, .container = container, .ownSize = ownSize});
}

std::size_t RepaintTracker::trackLabel(const Label& label, LabelStyle style, QPointF container) {
    return track(&label, {.label = &label, .container = container, .style = style});
}

std::size_t RepaintTracker::track(const void* control, Entry entry) {
    index_.insert(control, entries_.size());
    entries_.push_back(std::move(entry));
    return entries_.size() - 1;
}

bool RepaintTracker::changed(const Entry& e) const {
    if (!e.seen) return true;
    if (e.picture) return e.picture->Face != e.face || geometryOf(*e.picture) != e.geometry;
    const Label& l = *e.label;
    return l.Caption != e.caption || l.ForeColor != e.color || geometryOf(l) != e.geometry;
}

void RepaintTracker::remember(Entry& e) const {
    e.seen = true;
    if (e.picture) {
        e.face = e.picture->Face;
        e.geometry = geometryOf(*e.picture);
        return;
    }
    e.caption = e.label->Caption;
    e.color = e.label->ForeColor;
    e.geometry = geometryOf(*e.label);
}

QRectF RepaintTracker::footprintOf(const Entry& e, const TwipsScale& s, double ratio) {
    const double x = e.container.x();
    const double y = e.container.y();
    if (e.picture) {
        const Picture& p = *e.picture;
        if (!p.Visible || p.Face == CardFace::Empty) return {};
        if (e.ownSize) {
            if (p.Width <= 0) return {};
            const double height = p.Height > 0 ? p.Height : PictureSize;
            return snapToDevice(s.rect(x + p.Left, y + p.Top, p.Width, height), ratio);
        }
        return snapToDevice(s.rect(x + p.Left, y + p.Top, PictureSize, PictureSize), ratio);
    }
    const Label& l = *e.label;
    if (!l.Visible) return {};
    QRectF area = e.style.filled ? s.rect(x + l.Left, y + l.Top, l.Width, l.Height) : QRectF();
    if (l.Caption.empty()) return area;
    // The text is not clipped to its label: it may run past either side and above and
    // below, so take its own extent, a little wider for overhangs and its shadow.
    const TextSize size = textSize(l.Caption, e.style, s.factor());
    const double height = size.height;
    const QRectF extent = captionExtent(captionBox(s, l, e.style, e.container), e.style, size.width, height);
    const double shadow = std::max(1.0, height / 16.0);
    const double overhang = height / 4;
    return area.united(extent.adjusted(-overhang, -2, overhang + shadow, 2 + shadow));
}

RepaintTracker::TextSize RepaintTracker::textSize(const std::string& caption, const LabelStyle& style, double factor) {
    QString key = toQString(caption);
    key += QChar(style.bold ? u'b' : u'n');
    key += QString::number(style.points);
    if (const auto found = textSizes_.constFind(key); found != textSizes_.constEnd()) return *found;
    // Scores and hand names vary without end; a few hundred sizes is plenty.
    if (textSizes_.size() >= 512) textSizes_.clear();
    const QFontMetricsF metrics(gameFont(style.points, style.bold, factor));
    const TextSize size{metrics.horizontalAdvance(toQString(caption)), metrics.height()};
    textSizes_.insert(key, size);
    return size;
}

void RepaintTracker::look(const TwipsScale& s, double ratio) {
    const bool rescaled = s.factor() != factor_ || s.origin() != origin_ || ratio != ratio_;
    factor_ = s.factor();
    origin_ = s.origin();
    ratio_ = ratio;
    if (rescaled) textSizes_.clear();
    for (Entry& e : entries_) {
        const bool different = changed(e);
        if (!different && !rescaled) continue;
        if (different && e.seen) pending_ += coveringRect(e.footprint);
        if (different) remember(e);
        e.footprint = footprintOf(e, s, ratio);
        if (different) pending_ += coveringRect(e.footprint);
    }
}

QRegion RepaintTracker::takePending() {
    QRegion area;
    std::swap(area, pending_);
    return area;
}

QRectF RepaintTracker::footprint(const void* control) const {
    const auto found = index_.constFind(control);
    return found == index_.constEnd() ? QRectF() : entries_[*found].footprint;
}

}  // namespace tumblehand::ui
