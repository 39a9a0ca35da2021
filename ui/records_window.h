#pragma once

#include <QWidget>

namespace tumblehand {
class Form1;
}

namespace tumblehand::ui {

/// The records window (成績): draws the records-window model of Form1 (its names,
/// scores and bests) in the fixed layout, as plain text, scaled with the window. Modeless.
class RecordsWindow : public QWidget {
    Q_OBJECT
public:
    /// The client area, in twips.
    static constexpr int AreaWidth = 4380;
    static constexpr int AreaHeight = 5835;

    explicit RecordsWindow(const Form1& form, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Form1& form_;
};

}  // namespace tumblehand::ui
