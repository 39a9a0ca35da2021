#include "ui/windows/board_view.h"

#include "board/form1.h"
#include "ui/drawing/fonts.h"
#include "ui/drawing/text_painting.h"
#include "ui/drawing/twips_scale.h"
#include "ui/drawing/window_frame.h"
#include "ui/input/key_map.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <type_traits>

namespace tumblehand::ui {

namespace {

// Containers of the layout, in twips. The well has a sunken border of two pixels
// (30 twips) inside which its cells are laid out.
constexpr QRectF rectOf(Frame frame) { return QRectF(frame.Left, frame.Top, frame.Width, frame.Height); }
constexpr QRectF PlayBox = rectOf(Form1::PlayBox);
constexpr double PlayBoxBorder = 30;
constexpr QRectF NextFrame = rectOf(Form1::NextFrame);

const QColor WellColour(0x1D, 0x3B, 0x2F);
const QColor EtchDark(0x80, 0x7C, 0x74);
const QColor EtchLight(0xFF, 0xFF, 0xFF);

// Font sizes in points, as the layout gives them.
constexpr double RankPoints = 14.25;
// A card's corner pips reach 150 twips in from its sides; a wider rank ("10") is squeezed between them.
constexpr double RankPipMargin = 150;
constexpr double CaptionPoints = 12;
constexpr double PopupPoints = 9;
constexpr double LevelPoints = 11.25;
constexpr double FramePoints = 9;

bool contains(const Label& label, QPointF twips) {
    return label.Visible && QRectF(label.Left, label.Top, label.Width, label.Height).contains(twips);
}

QRectF pictureRect(const Picture& picture, QPointF container = {}) {
    return QRectF(container.x() + picture.Left, container.y() + picture.Top, PictureSize, PictureSize);
}

void drawEtchedLine(QPainter& painter, QPointF from, QPointF to, double pixel) {
    painter.setPen(QPen(EtchDark, pixel));
    painter.drawLine(from, to);
    painter.setPen(QPen(EtchLight, pixel));
    painter.drawLine(from + QPointF(pixel, pixel), to + QPointF(pixel, pixel));
}

const QPointF WellOrigin(PlayBox.x() + PlayBoxBorder, PlayBox.y() + PlayBoxBorder);
const QPointF NextOrigin = NextFrame.topLeft();
const QPointF NowOrigin = rectOf(Form1::Frame1).topLeft();  // beyond the client area's right edge

QPointF originOf(Container container) {
    switch (container) {
        case Container::Well: return WellOrigin;
        case Container::NextFrame: return NextOrigin;
        case Container::NowFrame: return NowOrigin;
        case Container::Window: break;
    }
    return {};
}

// The inside of the well's sunken border, where its cards are drawn.
QRectF wellInside(const TwipsScale& s) {
    const double border = s.length(PlayBoxBorder);
    return s.rect(PlayBox.x(), PlayBox.y(), PlayBox.width(), PlayBox.height())
        .adjusted(border, border, -border, -border);
}

}  // namespace

BoardView::BoardView(const Form1& form, Probe& probe, QWidget* parent) : QWidget(parent), form_(form), probe_(probe) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);

    // One walk of the window's controls, back to front: what a paint draws, in its
    // order, and what a change repaints.
    form_.forEachControl([this](const ControlName& name, const auto& control) {
        using Control = std::remove_cvref_t<decltype(control)>;
        if constexpr (std::is_same_v<Control, Picture> || std::is_same_v<Control, Label>) {
            const QPointF origin = originOf(name.container);
            // Controls laid out beyond the client area are never seen.
            if (origin.x() + control.Left >= AreaWidth || origin.y() + control.Top >= AreaHeight) return;
            if constexpr (std::is_same_v<Control, Picture>) {
                // The sliding card narrows as it turns over.
                tracker_.trackPicture(control, origin, &control == &form_.MoveCard);
            } else {
                tracker_.trackLabel(control, styleOf(control, name.container), origin);
            }
        }
    });
}

LabelStyle BoardView::styleOf(const Label& label, Container container) const {
    const LabelStyle rank{.points = RankPoints, .horizontal = Qt::AlignHCenter, .sideMargin = RankPipMargin};
    const LabelStyle centred{CaptionPoints, true, Qt::AlignHCenter, false};
    const LabelStyle caption{CaptionPoints, true, Qt::AlignLeft, false};
    const LabelStyle popup{PopupPoints, true, Qt::AlignLeft, false};
    if (container != Container::Window || &label == &form_.MoveNum) return rank;
    if (&label == &form_.Start || &label == &form_.StopL || &label == &form_.Ending) {
        return {CaptionPoints, true, Qt::AlignHCenter, true};
    }
    if (&label == &form_.Label5) return {LevelPoints, true, Qt::AlignLeft, false};
    // The multiplier sits at the end of the score's row, after the longest score: a
    // score too long for the room before it, and a multiplier too long for the room
    // left in the row, are squeezed rather than run into each other.
    const double rowEnd = AreaWidth - 30;
    if (&label == &form_.Label2) return {CaptionPoints, true, Qt::AlignLeft, false, false, rowEnd - form_.Label2.Left};
    if (&label == &form_.Score) {
        return {RankPoints, true, Qt::AlignLeft, false, false, form_.Label2.Left - 60.0 - form_.Score.Left};
    }
    if (&label == &form_.TotalS || &label == &form_.ComboS) return popup;
    if (&label == &form_.Label4 || &label == &form_.Label3 || &label == &form_.YakuL) return centred;
    return caption;  // Label1, Gscore
}

QSize BoardView::sizeHint() const { return openingSize(AreaWidth, AreaHeight); }

QSize BoardView::minimumSizeHint() const { return QSize(AreaWidth / 30, AreaHeight / 30); }

TwipsScale BoardView::scale() const { return TwipsScale(QSizeF(size()), AreaWidth, AreaHeight); }

QRect BoardView::wellArea() const {
    return scale().rect(PlayBox.x(), PlayBox.y(), PlayBox.width(), PlayBox.height()).toAlignedRect();
}

QPointF BoardView::containerOrigin(Container container) { return originOf(container); }

bool BoardView::repaintChanges() {
    tracker_.look(scale(), devicePixelRatioF());
    const QRegion changed = tracker_.takePending().intersected(rect());
    if (changed.isEmpty()) return false;
    update(changed);
    return true;
}

bool BoardView::touchesAt(std::size_t index) const {
    const QRectF& area = tracker_.footprintAt(index);
    return !area.isEmpty() && paintRegion_.intersects(coveringRect(area));
}

bool BoardView::touches(const QRectF& area) const { return paintRegion_.intersects(coveringRect(area)); }

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const TwipsScale s = scale();
    // Where everything is drawn now; only what meets the repainted area is drawn, the
    // painter clips the rest.
    tracker_.look(s, devicePixelRatioF());
    paintRegion_ = event->region();

    paintBackground(painter, rect(), s);

    paintWell(painter, s);
    paintNextFrame(painter, s);
    paintControls(painter, s);
    paintDragOutline(painter, s);
    paintRegion_ = QRegion();
    painter.end();  // the probe hears of a finished paint
    probe_.painted(event->rect(), size());
}

void BoardView::paintWell(QPainter& painter, const TwipsScale& s) {
    const QRectF outer = s.rect(PlayBox.x(), PlayBox.y(), PlayBox.width(), PlayBox.height());
    if (!touches(outer)) return;
    const double border = s.length(PlayBoxBorder);
    // A sunken border: dark along the top and left, light along the bottom and right.
    painter.fillRect(outer, EtchLight);
    painter.fillRect(QRectF(outer.topLeft(), outer.size() - QSizeF(border / 2, border / 2)), EtchDark);
    painter.fillRect(wellInside(s), WellColour);
}

void BoardView::paintNextFrame(QPainter& painter, const TwipsScale& s) {
    const QFont font = gameFont(FramePoints, false, s.factor());
    const QFontMetricsF metrics(font);
    const QRectF frame = s.rect(NextFrame.x(), NextFrame.y(), NextFrame.width(), NextFrame.height());
    if (!touches(frame)) return;
    const double lineY = frame.top() + metrics.height() / 2;
    const double pixel = std::max(1.0, s.factor() * 15);
    const QRectF box(QPointF(frame.left(), lineY), QPointF(frame.right() - pixel, frame.bottom() - pixel));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawEtchedLine(painter, box.topLeft(), box.topRight(), pixel);
    drawEtchedLine(painter, box.bottomLeft(), box.bottomRight(), pixel);
    drawEtchedLine(painter, box.topLeft(), box.bottomLeft(), pixel);
    drawEtchedLine(painter, box.topRight(), box.bottomRight(), pixel);
    const QString caption = QStringLiteral("NEXT");
    const QRectF captionRect(frame.left() + s.length(120), frame.top(),
                             metrics.horizontalAdvance(caption) + s.length(60), metrics.height());
    painter.fillRect(captionRect, WindowColour);
    painter.restore();
    if (touches(captionRect)) {
        drawPlainText(painter, captionRect, Qt::AlignHCenter | Qt::AlignVCenter, caption, font, Qt::black);
    }
}

void BoardView::paintControls(QPainter& painter, const TwipsScale& s) {
    bool clipped = false;
    for (std::size_t i = 0; i < tracker_.size(); ++i) {
        // The well's cards are clipped to the inside of its border.
        if (const bool inWell = tracker_.containerAt(i) == WellOrigin; inWell != clipped) {
            if (inWell) {
                painter.save();
                painter.setClipRect(wellInside(s), Qt::IntersectClip);
            } else {
                painter.restore();
            }
            clipped = inWell;
        }
        const Picture* picture = tracker_.pictureAt(i);
        if (dragging_ && picture == &form_.ura1[1]) continue;  // lifted by the pointer
        if (!touchesAt(i)) continue;
        if (picture) {
            faces_.draw(painter, picture->Face, tracker_.footprintAt(i));
        } else {
            paintLabel(painter, s, *tracker_.labelAt(i), tracker_.styleAt(i), tracker_.containerAt(i));
        }
    }
    if (clipped) painter.restore();
}

QRectF BoardView::dragRect(const TwipsScale& s) const {
    const QPointF topLeft = dragPosition_ - dragGrip_;
    return s.rect(topLeft.x(), topLeft.y(), PictureSize, PictureSize);
}

void BoardView::paintDragOutline(QPainter& painter, const TwipsScale& s) {
    if (!dragging_) return;
    const QRectF area = dragRect(s);
    if (!touches(area)) return;
    painter.save();
    painter.setOpacity(0.85);
    faces_.draw(painter, form_.ura1[1].Face, snapToDevice(area, devicePixelRatioF()));
    painter.setOpacity(1);
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

void BoardView::updateDrag() {
    // The lifted card, and the deck it leaves or rejoins.
    const TwipsScale s = scale();
    QRegion area(coveringRect(dragRect(s)));
    for (const Picture& back : form_.ura1) area += coveringRect(tracker_.footprint(&back));
    update(area);
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    const std::optional<int> code = virtualKeyOf(event->key());
    // F1 and F2 belong to the menu items Chusi and Kaisi, whose shortcuts take them
    // before any widget; should one still arrive here it is dropped, so that one press
    // never runs its procedure twice.
    if (!code || *code == vk::F1 || *code == vk::F2) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit keyPressed(*code);
}

std::optional<BoardView::Button> BoardView::buttonAt(QPointF twips) const {
    if (contains(form_.Start, twips)) return Button::Start;
    if (contains(form_.StopL, twips)) return Button::Stop;
    if (contains(form_.Ending, twips)) return Button::End;
    return std::nullopt;
}

bool BoardView::onDragSource(QPointF twips) const {
    // Only the part of the middle card that the front card leaves uncovered.
    return form_.ura1[1].Visible && pictureRect(form_.ura1[1]).contains(twips) &&
           !pictureRect(form_.ura1[0]).contains(twips);
}

std::optional<BoardView::DropTarget> BoardView::dropTargetAt(QPointF twips) const {
    if (contains(form_.Label4, twips)) return DropTarget::PigRate;
    if (contains(form_.Label3, twips)) return DropTarget::JokerRate;
    return std::nullopt;
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPointF twips = scale().toTwips(event->position());
    pressedButton_ = buttonAt(twips);
    if (!pressedButton_ && onDragSource(twips)) {
        dragging_ = true;
        dragGrip_ = twips - pictureRect(form_.ura1[1]).topLeft();
        dragPosition_ = twips;
        setCursor(Qt::ClosedHandCursor);
        updateDrag();
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    const QRect before = coveringRect(dragRect(scale()));
    dragPosition_ = scale().toTwips(event->position());
    update(QRegion(before) + coveringRect(dragRect(scale())));
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPointF twips = scale().toTwips(event->position());
    if (dragging_) {
        updateDrag();
        dragging_ = false;
        unsetCursor();
        if (const auto target = dropTargetAt(twips)) emit deckCardDropped(*target);
        return;
    }
    // A click is a press and a release on the same label.
    const std::optional<Button> pressed = pressedButton_;
    pressedButton_.reset();
    if (pressed && buttonAt(twips) == pressed) emit buttonClicked(*pressed);
}

}  // namespace tumblehand::ui
