#pragma once

#include "ui/access/element.h"

#include <QAccessibleWidget>

namespace tumblehand::ui {

class ModelWindow;

/// The hand table (役) and the records (成績) as a screen reader sees them: the hand
/// table as one table under its four headings, the records as the "High Score" table of
/// places, names and scores, then the best combo and the best points with their holders.
/// Read from the window's model whenever asked, so a refreshed records file reads anew.
class SecondaryAccessible : public QAccessibleWidget {
public:
    explicit SecondaryAccessible(ModelWindow& window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    /// Made the first time a reader asks: while Qt builds the window, before its model is there.
    void build() const;

    mutable AccessibleChildren children_;
    mutable bool built_ = false;
};

}  // namespace tumblehand::ui
