#include "ui/windows/hand_table_window.h"

namespace tumblehand::ui {

HandTableWindow::HandTableWindow(QWidget* parent)
    : ModelWindow(QStringLiteral("役"), Form2::ScaleWidth, Form2::ScaleHeight, parent) {
    addControls(model_, [](const ControlName& control) -> LabelStyle {
        const std::string_view name = control.name;
        if (name == "handHeading") return {15.75, true, Qt::AlignHCenter};
        if (name == "pointsHeading" || name == "effectHeading") return {12, true, Qt::AlignLeft};
        if (name == "cardsHeading") return {8.25, false, Qt::AlignLeft};
        if (name == "hand") return {12, true, Qt::AlignHCenter, false, true};
        if (name == "cards") return {9, false, Qt::AlignHCenter};
        if (name == "points") return {9, false, Qt::AlignLeft};
        return {9, false, Qt::AlignLeft, false, true};  // effect, effectSecondLine
    });
}

}  // namespace tumblehand::ui
