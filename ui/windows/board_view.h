#pragma once

#include "ui/drawing/face_cache.h"
#include "ui/drawing/repaint_tracker.h"
#include "ui/system/probe.h"

#include <QPointF>
#include <QRegion>
#include <QWidget>

#include <optional>

namespace tumblehand {
class Form1;
struct Label;
enum class Container;
}  // namespace tumblehand

namespace tumblehand::ui {

class TwipsScale;

/// The main window's client area: draws the whole model of Form1 in twips, scaled
/// uniformly to the widget, and turns keys, clicks and the deck drag into signals.
/// It decides nothing about the game.
class BoardView : public QWidget {
    Q_OBJECT
public:
    /// The client area of the main window, in twips.
    static constexpr int AreaWidth = 3525;
    static constexpr int AreaHeight = 5685;

    enum class Button { Start, Stop, End };
    enum class DropTarget { PigRate, JokerRate };

    /// probe hears of every finished paint.
    explicit BoardView(const Form1& form, Probe& probe = silentProbe(), QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    /// The mapping used for the current widget size.
    TwipsScale scale() const;
    /// The well, in the view's coordinates.
    QRect wellArea() const;
    /// Where the twips of a container's controls start, in the client area's twips.
    static QPointF containerOrigin(Container container);
    /// The model the view draws.
    const Form1& form() const { return form_; }

    /// Asks for a repaint of just the areas whose controls changed since the last call
    /// (each one's old and new place). Returns false, asking nothing, if none changed.
    bool repaintChanges();

signals:
    /// A key the game reads, as its Windows virtual-key code; auto-repeats included.
    void keyPressed(int virtualKey);
    void buttonClicked(tumblehand::ui::BoardView::Button button);
    /// The middle deck card was dropped on a rate label.
    void deckCardDropped(tumblehand::ui::BoardView::DropTarget target);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<Button> buttonAt(QPointF twips) const;
    bool onDragSource(QPointF twips) const;
    std::optional<DropTarget> dropTargetAt(QPointF twips) const;

    void paintWell(QPainter& painter, const TwipsScale& scale);
    void paintNextFrame(QPainter& painter, const TwipsScale& scale);
    /// The window's pictures and labels, back to front, as far as they meet the area being repainted.
    void paintControls(QPainter& painter, const TwipsScale& scale);
    void paintDragOutline(QPainter& painter, const TwipsScale& scale);

    /// True while painting, if the area, or the tracked control, is drawn somewhere in
    /// the area being repainted.
    bool touches(const QRectF& area) const;
    bool touchesAt(std::size_t trackedIndex) const;
    /// How the label's caption is drawn.
    LabelStyle styleOf(const Label& label, Container container) const;
    QRectF dragRect(const TwipsScale& scale) const;
    void updateDrag();

    const Form1& form_;
    Probe& probe_;
    FaceCache faces_;
    RepaintTracker tracker_;
    QRegion paintRegion_;  ///< the area being repainted, during a paint
    std::optional<Button> pressedButton_;
    bool dragging_ = false;
    QPointF dragGrip_;      ///< where in the card (twips) it was taken
    QPointF dragPosition_;  ///< the pointer, in twips
};

}  // namespace tumblehand::ui
