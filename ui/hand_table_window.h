#pragma once

#include <QWidget>

namespace tumblehand::ui {

/// The hand table (役): a fixed table of the hands, their points, the cards they use
/// up and their effects, drawn as plain text and scaled with the window. Modeless.
class HandTableWindow : public QWidget {
    Q_OBJECT
public:
    /// The client area, in twips.
    static constexpr int AreaWidth = 5910;
    static constexpr int AreaHeight = 4470;

    explicit HandTableWindow(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tumblehand::ui
