#pragma once

#include "board/controls.h"
#include "ui/drawing/label_painter.h"
#include "ui/drawing/repaint_tracker.h"

#include <QPointer>
#include <QWidget>

#include <type_traits>
#include <vector>

namespace tumblehand::ui {

/// A secondary window drawn from its model: its labels, each in its style, and its
/// rules, in twips scaled to the window with the aspect ratio kept. Modeless; the keys
/// pressed in it drive the game.
class ModelWindow : public QWidget {
    Q_OBJECT
public:
    QSize sizeHint() const override;
    /// The size of its client area at 96 dpi (15 twips a pixel).
    QSize size96() const;
    /// The game's keys pressed while this window has the keyboard go to target, the main
    /// window's board, so that play goes on from here as from there.
    void forwardKeysTo(QWidget* target) { keyTarget_ = target; }

    /// Asks for a repaint of just the areas whose labels changed since the last call
    /// (each one's old and new place), as the board view does. Returns false, asking
    /// nothing, if none changed.
    bool repaintChanges();

protected:
    /// A window of title over a client area of the given size in twips.
    ModelWindow(const QString& title, int areaWidthTwips, int areaHeightTwips, QWidget* parent);

    /// The controls to draw, in the order of the model's forEachControl; they must
    /// outlive the window.
    void addLabel(const Label& label, LabelStyle style);
    void addRule(const Rule& rule);
    /// Adds every control of the model, a label in the style styleOf gives its name.
    template <class Model, class StyleOf>
    void addControls(const Model& model, StyleOf styleOf) {
        model.forEachControl([&](const ControlName& name, const auto& control) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(control)>, Label>) {
                addLabel(control, styleOf(name));
            } else {
                addRule(control);
            }
        });
    }

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPointer<QWidget> keyTarget_;
    int areaWidth_;
    int areaHeight_;
    RepaintTracker labels_;
    std::vector<const Rule*> rules_;
};

}  // namespace tumblehand::ui
