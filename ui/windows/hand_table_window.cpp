#include "ui/windows/hand_table_window.h"

namespace tumblehand::ui {

HandTableWindow::HandTableWindow(QWidget* parent)
    : ModelWindow(QStringLiteral("役"), Form2::ScaleWidth, Form2::ScaleHeight, parent) {
    const LabelStyle columnHeading{12, true, Qt::AlignLeft};
    const LabelStyle cell{9, false, Qt::AlignLeft};
    const LabelStyle effect{9, false, Qt::AlignLeft, false, true};
    addLabel(model_.handHeading, {15.75, true, Qt::AlignHCenter});
    addLabel(model_.pointsHeading, columnHeading);
    addLabel(model_.cardsHeading, {8.25, false, Qt::AlignLeft});
    addLabel(model_.effectHeading, columnHeading);
    for (const Form2::Row& row : model_.rows) {
        addLabel(row.hand, {12, true, Qt::AlignHCenter, false, true});
        addLabel(row.points, cell);
        addLabel(row.cards, {9, false, Qt::AlignHCenter});
        addLabel(row.effect, effect);
        addLabel(row.effectSecondLine, effect);
    }
    for (const Rule& rule : model_.rules) addRule(rule);
}

}  // namespace tumblehand::ui
