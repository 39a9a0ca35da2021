#pragma once

#include "ui/access/element.h"

#include <QAccessibleWidget>

#include <cstdint>
#include <deque>
#include <vector>

namespace tumblehand {
class Form1;
struct Label;
struct Picture;
}  // namespace tumblehand

namespace tumblehand::ui {

class BoardView;

/// The game area as a screen reader sees it, made from the same list of controls the
/// board view paints: the well as a table of ten rows and five columns, the NEXT pair,
/// the falling pair (NOW), the joker and pig rates, START, STOP and END as buttons, the
/// level, SCORE with its number and multiplier, the hand's name and points and the
/// popups while they are shown. What the player should hear of a change (a hand and its
/// points, the score, the level, the chain's popups, pause and going on) is shown as a
/// notification, the board's last child, which a screen reader speaks as it appears.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardView& view);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    /// Tells the screen reader what the last procedure changed: the names and visibility
    /// of the objects, and what is announced.
    void announceChanges();
    /// Whether its objects are made: Qt asks for the board's interface whenever the
    /// window is shown, but its objects are made only when a reader asks for them or
    /// something is to be announced to one.
    bool made() const { return made_; }

private:
    /// A card: a picture and the text laid over it.
    struct CardSource {
        const Picture* picture = nullptr;
        const Label* over = nullptr;
    };
    /// What was last told.
    struct Told {
        std::uint32_t hand = 0;
        QString score;
        QString level;
        QString total;
        QString combo;
        bool paused = false;
    };

    void make() const;
    void build();
    void buildElements();
    Told now() const;
    QStringList news(const Told& was, const Told& is) const;

    BoardView& view_;
    const Form1& form_;
    std::deque<CardSource> cards_;
    AccessibleChildren children_;
    std::vector<AccessibleElement*> elements_;  ///< every element, for their changes
    std::vector<std::pair<QString, bool>> seen_;
    Told told_;
    AccessibleElement* announcer_ = nullptr;
    QString announcement_;
    mutable bool made_ = false;
};

}  // namespace tumblehand::ui
