#include "ui/board_view.h"
#include "board/form1.h"
#include "ui/fonts.h"
#include "ui/key_map.h"
#include "ui/text_painting.h"
#include "ui/twips_scale.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tumblehand::ui {

namespace {

// Containers of the layout, in twips. The well has a sunken border of two pixels
// (30 twips) inside which its cells are laid out.
constexpr QRectF PlayBox(120, 480, 2475, 4875);
constexpr double PlayBoxBorder = 30;
constexpr QRectF NextFrame(2760, 960, 735, 1455);
constexpr double PictureSize = 480;  // the 32-pixel pictures, drawn unstretched

const QColor WindowColour(0xD8, 0xD4, 0xCB);
const QColor BarColour(0x6E, 0x6A, 0x63);
const QColor WellColour(0x1D, 0x3B, 0x2F);
const QColor EtchDark(0x80, 0x7C, 0x74);
const QColor EtchLight(0xFF, 0xFF, 0xFF);

// Font sizes in points, as the layout gives them.
constexpr double RankPoints = 14.25;
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

void drawLabel(QPainter& painter, const TwipsScale& scale, const Label& label, double points,
               bool bold, Qt::Alignment horizontal, QPointF container = {}) {
    if (!label.Visible || label.Caption.empty()) return;
    const QRectF rect = scale.rect(container.x() + label.Left, container.y() + label.Top, label.Width,
                                   label.Height);
    drawPlainText(painter, rect, horizontal | Qt::AlignVCenter, toQString(label.Caption),
                  gameFont(points, bold, scale.factor()), toQColor(label.ForeColor));
}

void drawEtchedLine(QPainter& painter, QPointF from, QPointF to, double pixel) {
    painter.setPen(QPen(EtchDark, pixel));
    painter.drawLine(from, to);
    painter.setPen(QPen(EtchLight, pixel));
    painter.drawLine(from + QPointF(pixel, pixel), to + QPointF(pixel, pixel));
}

}  // namespace

BoardView::BoardView(const Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

QSize BoardView::sizeHint() const {
    // Twice the size at 96 dpi (15 twips a pixel).
    return QSize(AreaWidth * 2 / 15, AreaHeight * 2 / 15);
}

QSize BoardView::minimumSizeHint() const {
    return QSize(AreaWidth / 30, AreaHeight / 30);
}

TwipsScale BoardView::scale() const {
    return TwipsScale(QSizeF(size()), AreaWidth, AreaHeight);
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const TwipsScale s = scale();

    painter.fillRect(rect(), BarColour);
    painter.fillRect(s.area(), WindowColour);

    paintWell(painter, s);
    paintNextFrame(painter, s);
    paintDeck(painter, s);
    paintRates(painter, s);
    paintButtons(painter, s);
    paintTexts(painter, s);
    paintDragOutline(painter, s);
}

void BoardView::paintWell(QPainter& painter, const TwipsScale& s) {
    const double ratio = devicePixelRatioF();
    const QRectF outer = s.rect(PlayBox.x(), PlayBox.y(), PlayBox.width(), PlayBox.height());
    const double border = s.length(PlayBoxBorder);
    // A sunken border: dark along the top and left, light along the bottom and right.
    painter.fillRect(outer, EtchLight);
    painter.fillRect(QRectF(outer.topLeft(), outer.size() - QSizeF(border / 2, border / 2)), EtchDark);
    const QRectF inner = outer.adjusted(border, border, -border, -border);
    painter.fillRect(inner, WellColour);

    const QPointF origin(PlayBox.x() + PlayBoxBorder, PlayBox.y() + PlayBoxBorder);
    painter.save();
    painter.setClipRect(inner);
    for (int i = 0; i < Board::Cells; ++i) {
        const Picture& mas = form_.board.Mas(i);
        if (mas.Visible && mas.Face != CardFace::Empty) {
            const QRectF r = pictureRect(mas, origin);
            faces_.draw(painter, mas.Face, snapToDevice(s.rect(r.x(), r.y(), r.width(), r.height()), ratio));
        }
    }
    // Rank texts over all pictures, so a counted pig's counter is never hidden.
    for (int i = 0; i < Board::Cells; ++i) {
        drawLabel(painter, s, form_.board.Num(i), RankPoints, true, Qt::AlignHCenter, origin);
    }
    painter.restore();
}

void BoardView::paintNextFrame(QPainter& painter, const TwipsScale& s) {
    const double ratio = devicePixelRatioF();
    const QFont font = gameFont(FramePoints, false, s.factor());
    const QFontMetricsF metrics(font);
    const QRectF frame = s.rect(NextFrame.x(), NextFrame.y(), NextFrame.width(), NextFrame.height());
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
    drawPlainText(painter, captionRect, Qt::AlignHCenter | Qt::AlignVCenter, caption, font, Qt::black);

    const QPointF origin = NextFrame.topLeft();
    for (std::size_t k = 0; k < 2; ++k) {
        const Picture& card = form_.NextCard[k];
        if (card.Visible && card.Face != CardFace::Empty) {
            const QRectF r = pictureRect(card, origin);
            faces_.draw(painter, card.Face, snapToDevice(s.rect(r.x(), r.y(), r.width(), r.height()), ratio));
        }
    }
    for (std::size_t k = 0; k < 2; ++k) {
        drawLabel(painter, s, form_.NextNum[k], RankPoints, true, Qt::AlignHCenter, origin);
    }
}

void BoardView::paintDeck(QPainter& painter, const TwipsScale& s) {
    const double ratio = devicePixelRatioF();
    // The sliding card comes out from under the fanned deck.
    const Picture& moving = form_.MoveCard;
    if (moving.Visible && moving.Face != CardFace::Empty && moving.Width > 0) {
        const double height = moving.Height > 0 ? moving.Height : PictureSize;
        faces_.draw(painter, moving.Face,
                    snapToDevice(s.rect(moving.Left, moving.Top, moving.Width, height), ratio));
    }
    for (int k = 2; k >= 0; --k) {
        const Picture& back = form_.ura1[static_cast<std::size_t>(k)];
        if (k == 1 && dragging_) continue;  // lifted by the pointer
        if (back.Visible && back.Face != CardFace::Empty) {
            const QRectF r = pictureRect(back);
            faces_.draw(painter, back.Face, snapToDevice(s.rect(r.x(), r.y(), r.width(), r.height()), ratio));
        }
    }
    if (dragging_) {
        // The lifted card leaves its place bare; redraw the front card over the gap.
        const Picture& front = form_.ura1[0];
        const QRectF r = pictureRect(front);
        faces_.draw(painter, front.Face, snapToDevice(s.rect(r.x(), r.y(), r.width(), r.height()), ratio));
    }
    drawLabel(painter, s, form_.MoveNum, RankPoints, true, Qt::AlignHCenter);
}

void BoardView::paintRates(QPainter& painter, const TwipsScale& s) {
    const double ratio = devicePixelRatioF();
    for (const std::size_t index : {std::size_t{5}, std::size_t{4}}) {
        const Picture& picture = form_.Gara[index];
        if (picture.Visible && picture.Face != CardFace::Empty) {
            const QRectF r = pictureRect(picture);
            faces_.draw(painter, picture.Face, snapToDevice(s.rect(r.x(), r.y(), r.width(), r.height()), ratio));
        }
    }
    drawLabel(painter, s, form_.Label4, CaptionPoints, true, Qt::AlignHCenter);
    drawLabel(painter, s, form_.Label3, CaptionPoints, true, Qt::AlignHCenter);
}

void BoardView::paintButtons(QPainter& painter, const TwipsScale& s) {
    for (const Label* button : {&form_.Start, &form_.StopL, &form_.Ending}) {
        if (!button->Visible) continue;
        painter.fillRect(s.rect(button->Left, button->Top, button->Width, button->Height), Qt::black);
        drawLabel(painter, s, *button, CaptionPoints, true, Qt::AlignHCenter);
    }
}

void BoardView::paintTexts(QPainter& painter, const TwipsScale& s) {
    drawLabel(painter, s, form_.Label5, LevelPoints, true, Qt::AlignLeft);
    drawLabel(painter, s, form_.Label1, CaptionPoints, true, Qt::AlignLeft);
    drawLabel(painter, s, form_.Label2, CaptionPoints, true, Qt::AlignLeft);
    drawLabel(painter, s, form_.Score, RankPoints, true, Qt::AlignLeft);
    drawLabel(painter, s, form_.YakuL, CaptionPoints, true, Qt::AlignHCenter);
    drawLabel(painter, s, form_.Gscore, CaptionPoints, true, Qt::AlignLeft);
    drawLabel(painter, s, form_.TotalS, PopupPoints, true, Qt::AlignLeft);
    drawLabel(painter, s, form_.ComboS, PopupPoints, true, Qt::AlignLeft);
}

void BoardView::paintDragOutline(QPainter& painter, const TwipsScale& s) {
    if (!dragging_) return;
    const QPointF topLeft = dragPosition_ - dragGrip_;
    painter.save();
    painter.setOpacity(0.85);
    faces_.draw(painter, form_.ura1[1].Face,
                snapToDevice(s.rect(topLeft.x(), topLeft.y(), PictureSize, PictureSize), devicePixelRatioF()));
    painter.setOpacity(1);
    painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(s.rect(topLeft.x(), topLeft.y(), PictureSize, PictureSize));
    painter.restore();
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
        update();
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    dragPosition_ = scale().toTwips(event->position());
    update();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPointF twips = scale().toTwips(event->position());
    if (dragging_) {
        dragging_ = false;
        unsetCursor();
        update();
        if (const auto target = dropTargetAt(twips)) emit deckCardDropped(*target);
        return;
    }
    // A click is a press and a release on the same label.
    const std::optional<Button> pressed = pressedButton_;
    pressedButton_.reset();
    if (pressed && buttonAt(twips) == pressed) emit buttonClicked(*pressed);
}

}  // namespace tumblehand::ui
