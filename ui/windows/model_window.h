#pragma once

#include "board/controls.h"
#include "ui/drawing/label_painter.h"

#include <QWidget>

#include <utility>
#include <vector>

namespace tumblehand::ui {

/// A secondary window drawn from its model: its labels, each in its style, and its
/// rules, in twips scaled to the window with the aspect ratio kept. Modeless; it never
/// takes the keys from the game.
class ModelWindow : public QWidget {
    Q_OBJECT
public:
    QSize sizeHint() const override;

protected:
    /// A window of title over a client area of the given size in twips.
    ModelWindow(const QString& title, int areaWidthTwips, int areaHeightTwips, QWidget* parent);

    /// The controls to draw; they must outlive the window.
    void addLabel(const Label& label, LabelStyle style);
    void addRule(const Rule& rule);

    void paintEvent(QPaintEvent* event) override;

private:
    int areaWidth_;
    int areaHeight_;
    std::vector<std::pair<const Label*, LabelStyle>> labels_;
    std::vector<const Rule*> rules_;
};

}  // namespace tumblehand::ui
