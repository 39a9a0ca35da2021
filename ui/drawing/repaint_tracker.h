#pragma once

#include "board/controls.h"
#include "ui/drawing/label_painter.h"

#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QRegion>

#include <string>
#include <vector>

namespace tumblehand::ui {

class TwipsScale;

/// Remembers what each control of the board showed when last looked at and where it
/// was drawn (its footprint, in widget pixels), so that a change repaints only the old
/// and the new footprint of the controls that changed, and a paint can skip the
/// controls outside the area it repaints.
class RepaintTracker {
public:
    /// A picture PictureSize square at its Left and Top in container (twips); with
    /// ownSize, drawn at its own Width and Height instead (a zero Height counts as PictureSize).
    /// Returns the control's index, in the order tracked.
    std::size_t trackPicture(const Picture& picture, QPointF container = {}, bool ownSize = false);
    std::size_t trackLabel(const Label& label, LabelStyle style, QPointF container = {});

    /// Compares every control with what it showed at the last look. The old and new
    /// footprints of every control that changed join the pending area. At a new scale
    /// all footprints are worked out afresh (a resize repaints everything anyway).
    void look(const TwipsScale& scale, double devicePixelRatio);

    /// The pending area, in whole widget pixels with a margin for antialiasing; emptied.
    QRegion takePending();

    /// Where the control is drawn as of the last look; empty while it draws nothing.
    QRectF footprint(const void* control) const;
    const QRectF& footprintAt(std::size_t index) const { return entries_[index].footprint; }

    /// The tracked controls, by index in the order tracked: each is a picture or a label,
    /// with the container and (for a label) the style it was tracked with.
    std::size_t size() const { return entries_.size(); }
    const Picture* pictureAt(std::size_t index) const { return entries_[index].picture; }
    const Label* labelAt(std::size_t index) const { return entries_[index].label; }
    QPointF containerAt(std::size_t index) const { return entries_[index].container; }
    const LabelStyle& styleAt(std::size_t index) const { return entries_[index].style; }

private:
    /// What pictures and labels both have.
    struct Geometry {
        bool visible = false;
        int left = 0, top = 0, width = 0, height = 0;
        bool operator==(const Geometry&) const = default;
    };
    struct Entry {
        const Picture* picture = nullptr;
        const Label* label = nullptr;
        QPointF container{};
        bool ownSize = false;
        LabelStyle style{};
        bool seen = false;
        // What it showed at the last look.
        CardFace face = CardFace::Empty;
        std::string caption{};
        Rgb color = 0;
        Geometry geometry{};
        QRectF footprint{};
    };
    struct TextSize {
        double width = 0;
        double height = 0;
    };

    std::size_t track(const void* control, Entry entry);
    template <class Control>
    static Geometry geometryOf(const Control& control) {
        return {control.Visible, control.Left, control.Top, control.Width, control.Height};
    }
    bool changed(const Entry& entry) const;
    void remember(Entry& entry) const;
    QRectF footprintOf(const Entry& entry, const TwipsScale& scale, double ratio);
    TextSize textSize(const std::string& caption, const LabelStyle& style, double factor);

    std::vector<Entry> entries_;
    QHash<const void*, std::size_t> index_;
    // Laid-out sizes of the captions seen at this scale: rank texts move from cell to
    // cell with every step and would otherwise be shaped again each time.
    QHash<QString, TextSize> textSizes_;
    QRegion pending_;
    double factor_ = 0;
    QPointF origin_;
    double ratio_ = 0;
};

/// The rectangle rounded outwards to whole pixels, with margin pixels around it.
QRect coveringRect(const QRectF& rect, int margin = 2);

}  // namespace tumblehand::ui
