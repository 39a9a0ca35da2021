#pragma once

#include "board/controls.h"
#include "ui/drawing/label_painter.h"
#include "ui/drawing/repaint_tracker.h"

#include <QWidget>

#include <type_traits>
#include <vector>

namespace tumblehand::ui {

/// A secondary window drawn from its model: its labels, each in its style, and its
/// rules, in twips scaled to the window with the aspect ratio kept. Modeless; it never
/// takes the keys from the game.
class ModelWindow : public QWidget {
    Q_OBJECT
public:
    QSize sizeHint() const override;

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

private:
    int areaWidth_;
    int areaHeight_;
    RepaintTracker labels_;
    std::vector<const Rule*> rules_;
};

}  // namespace tumblehand::ui
