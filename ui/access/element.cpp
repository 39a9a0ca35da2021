#include "ui/access/element.h"

namespace tumblehand::ui {

AccessibleChildren::~AccessibleChildren() {
    for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* AccessibleChildren::at(int index) const {
    if (index < 0 || index >= count()) return nullptr;
    return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
}

int AccessibleChildren::indexOf(const QAccessibleInterface* child) const {
    for (int i = 0; i < count(); ++i) {
        if (at(i) == child) return i;
    }
    return -1;
}

QAccessibleInterface* AccessibleChildren::childAt(int x, int y) const {
    for (int i = count() - 1; i >= 0; --i) {
        QAccessibleInterface* child = at(i);
        if (child && !child->state().invisible && child->rect().contains(x, y)) return child;
    }
    return nullptr;
}

AccessibleElement::AccessibleElement(QAccessibleInterface* parent, QAccessible::Role role, Text name,
                                     std::function<QRect()> area, std::function<bool()> shown)
    : parent_(parent), role_(role), name_(std::move(name)), area_(std::move(area)), shown_(std::move(shown)) {}

QString AccessibleElement::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return name_ ? name_() : QString();
    if (t == QAccessible::Description) return description_ ? description_() : QString();
    return {};
}

QRect AccessibleElement::rect() const {
    if (area_) return area_();
    // A group covers its children.
    QRect area;
    for (int i = 0; i < childCount(); ++i) area |= child(i)->rect();
    return area;
}

QAccessible::State AccessibleElement::state() const {
    QAccessible::State state;
    state.invisible = !shown();
    state.readOnly = role_ != QAccessible::Button;
    return state;
}

void* AccessibleElement::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface && press_) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList AccessibleElement::actionNames() const {
    return press_ ? QStringList{QAccessibleActionInterface::pressAction()} : QStringList{};
}

void AccessibleElement::doAction(const QString& action) {
    if (press_ && action == QAccessibleActionInterface::pressAction()) press_();
}

AccessibleCell::AccessibleCell(AccessibleTable& table, int row, int column, Text name, std::function<QRect()> area)
    : AccessibleElement(&table, QAccessible::Cell, std::move(name), std::move(area)),
      table_(table),
      row_(row),
      column_(column) {}

void* AccessibleCell::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
    return AccessibleElement::interface_cast(type);
}

QList<QAccessibleInterface*> AccessibleCell::columnHeaderCells() const {
    QAccessibleInterface* heading = table_.heading(column_);
    return heading ? QList<QAccessibleInterface*>{heading} : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* AccessibleCell::table() const { return &table_; }

AccessibleTable::AccessibleTable(QAccessibleInterface* parent, Text name, int rows, int columns,
                                 std::function<QRect()> area)
    : AccessibleElement(parent, QAccessible::Table, std::move(name), std::move(area)), rows_(rows), columns_(columns) {}

void AccessibleTable::addHeading(Text name) {
    add(new AccessibleElement(this, QAccessible::ColumnHeader, std::move(name)));
    ++headings_;
}

void AccessibleTable::addCell(Text name, std::function<QRect()> area) {
    add(new AccessibleCell(*this, cells_ / columns_, cells_ % columns_, std::move(name), std::move(area)));
    ++cells_;
}

void* AccessibleTable::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return AccessibleElement::interface_cast(type);
}

QAccessibleInterface* AccessibleTable::cellAt(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return nullptr;
    return child(headings_ + row * columns_ + column);
}

QAccessibleInterface* AccessibleTable::heading(int column) const {
    return column >= 0 && column < headings_ ? child(column) : nullptr;
}

QString AccessibleTable::columnDescription(int column) const {
    const QAccessibleInterface* h = heading(column);
    return h ? h->text(QAccessible::Name) : QString();
}

}  // namespace tumblehand::ui
