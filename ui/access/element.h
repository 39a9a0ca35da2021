#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace tumblehand::ui {

/// The children of an accessible object that no widget stands behind. They are
/// registered with Qt, which owns them from then on and hands them to the desktop's
/// accessibility bus; they go when their parent goes.
class AccessibleChildren {
public:
    AccessibleChildren() = default;
    AccessibleChildren(const AccessibleChildren&) = delete;
    AccessibleChildren& operator=(const AccessibleChildren&) = delete;
    ~AccessibleChildren();

    template <class Child>
    Child* add(Child* child) {
        ids_.push_back(QAccessible::registerAccessibleInterface(child));
        return child;
    }
    int count() const { return static_cast<int>(ids_.size()); }
    QAccessibleInterface* at(int index) const;
    int indexOf(const QAccessibleInterface* child) const;
    /// The shown child whose area holds the global point, if any.
    QAccessibleInterface* childAt(int x, int y) const;

private:
    std::vector<QAccessible::Id> ids_;
};

/// One thing a screen reader reads that the window paints without a widget: a label,
/// a card, a button, a group of them, a table cell. Its name, area and whether it is
/// shown are read from the model each time they are asked for.
class AccessibleElement : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    using Text = std::function<QString()>;

    /// area is global; shown defaults to always.
    AccessibleElement(QAccessibleInterface* parent, QAccessible::Role role, Text name, std::function<QRect()> area = {},
                      std::function<bool()> shown = {});

    /// The element's own child; it goes when this one goes.
    template <class Child>
    Child* add(Child* child) {
        return children_.add(child);
    }
    void setDescription(Text description) { description_ = std::move(description); }
    /// Makes it pressable: press does what a click does.
    void setPress(std::function<void()> press) { press_ = std::move(press); }
    bool shown() const { return !shown_ || shown_(); }

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent_->window(); }
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* child(int index) const override { return children_.at(index); }
    int childCount() const override { return children_.count(); }
    int indexOfChild(const QAccessibleInterface* child) const override { return children_.indexOf(child); }
    QAccessibleInterface* childAt(int x, int y) const override { return children_.childAt(x, y); }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QAccessibleInterface* parent_;
    QAccessible::Role role_;
    Text name_;
    Text description_;
    std::function<QRect()> area_;
    std::function<bool()> shown_;
    std::function<void()> press_;
    AccessibleChildren children_;
};

class AccessibleTable;

/// A cell of an AccessibleTable, read row by row and column by column.
class AccessibleCell : public AccessibleElement, public QAccessibleTableCellInterface {
public:
    AccessibleCell(AccessibleTable& table, int row, int column, Text name, std::function<QRect()> area);

    void* interface_cast(QAccessible::InterfaceType type) override;
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    AccessibleTable& table_;
    int row_;
    int column_;
};

/// A table of rows × columns that a screen reader walks cell by cell, with a heading
/// over each column if it has any. Its children are the headings, then the cells row by
/// row; nothing in it can be selected.
class AccessibleTable : public AccessibleElement, public QAccessibleTableInterface {
public:
    AccessibleTable(QAccessibleInterface* parent, Text name, int rows, int columns, std::function<QRect()> area);

    /// Headings come first, one for each column; then the cells, row by row.
    void addHeading(Text name);
    void addCell(Text name, std::function<QRect()> area);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return columns_; }
    int rowCount() const override { return rows_; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    QAccessibleInterface* heading(int column) const;

private:
    int rows_;
    int columns_;
    int headings_ = 0;
    int cells_ = 0;
};

}  // namespace tumblehand::ui
