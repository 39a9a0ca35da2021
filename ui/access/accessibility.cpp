#include "ui/access/accessibility.h"

#include "ui/access/board_accessible.h"
#include "ui/access/secondary_accessible.h"
#include "ui/windows/board_view.h"
#include "ui/windows/model_window.h"

#include <QAccessible>

namespace tumblehand::ui {

namespace {

QAccessibleInterface* makeAccessible(const QString&, QObject* object) {
    if (auto* view = qobject_cast<BoardView*>(object)) return new BoardAccessible(*view);
    if (auto* window = qobject_cast<ModelWindow*>(object)) return new SecondaryAccessible(*window);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(makeAccessible);
        return true;
    }();
    (void)installed;
}

void announceChanges(BoardView& view) {
    if (!QAccessible::isActive()) return;
    if (auto* board = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(&view))) {
        board->announceChanges();
    }
}

}  // namespace tumblehand::ui
