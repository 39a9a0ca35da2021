#include "ui/access/board_accessible.h"

#include "board/form1.h"
#include "ui/access/card_names.h"
#include "ui/drawing/text_painting.h"
#include "ui/drawing/twips_scale.h"
#include "ui/windows/board_view.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <type_traits>

namespace tumblehand::ui {

namespace {

// The deck and the card sliding off it are decoration: their card is read once it is in the well.
constexpr std::array<std::string_view, 3> Unread = {"ura1", "MoveCard", "MoveNum"};

// Pause and going on are said with the menu's own words for them.
const QString Suspended = QStringLiteral("中断");
const QString Resumed = QStringLiteral("再開");

QRect globalRect(const BoardView& view, QPointF origin, int left, int top, int width, int height) {
    const QRect area = view.scale().rect(origin.x() + left, origin.y() + top, width, height).toAlignedRect();
    return QRect(view.mapToGlobal(area.topLeft()), area.size());
}

template <class Control>
bool lies(const Control& control, QPointF origin) {
    return origin.x() + control.Left < BoardView::AreaWidth && origin.y() + control.Top < BoardView::AreaHeight;
}

// A text laid over a picture: its middle lies on the picture.
bool laidOver(const Label& label, const Picture& picture) {
    const int x = label.Left + label.Width / 2, y = label.Top + label.Height / 2;
    return x >= picture.Left && x < picture.Left + picture.Width && y >= picture.Top &&
           y < picture.Top + picture.Height;
}

QString shownCaption(const Label& label) { return label.Visible ? toQString(label.Caption) : QString(); }

}  // namespace

BoardAccessible::BoardAccessible(BoardView& view)
    : QAccessibleWidget(&view, QAccessible::Pane), view_(view), form_(view.form()) {}

int BoardAccessible::childCount() const {
    make();
    return children_.count();
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    make();
    return children_.at(index);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    make();
    return children_.indexOf(child);
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    make();
    return children_.childAt(x, y);
}

void BoardAccessible::make() const {
    if (made_) return;
    made_ = true;
    // Qt asks for the board's interface whenever the window is shown, reader or not; its
    // objects wait for the first question about them or the first announcement.
    const_cast<BoardAccessible*>(this)->build();
}

void BoardAccessible::build() {
    buildElements();
    // Orca speaks a notification as it is shown; it cannot speak a changed name or
    // description here, as Qt sends the object with such a change and not the new text.
    announcer_ = children_.add(new AccessibleElement(
        this, QAccessible::Notification, [this] { return announcement_; }, {},
        [this] { return !announcement_.isEmpty(); }));
    for (const AccessibleElement* element : elements_)
        seen_.emplace_back(element->text(QAccessible::Name), element->shown());
    told_ = now();
    told_.hand = form_.Timer3.generation();
}

QString BoardAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return view_.window()->windowTitle();
    return QAccessibleWidget::text(t);
}

void BoardAccessible::buildElements() {
    AccessibleTable* well = nullptr;
    AccessibleElement* next = nullptr;
    AccessibleElement* now = nullptr;
    // Cards of the frames, to be read top first once the walk has found them all.
    std::vector<std::pair<int, AccessibleElement*>> nextCards, nowCards;
    std::vector<std::pair<Container, CardSource*>> cards;
    const auto keep = [this](AccessibleElement* element) {
        elements_.push_back(element);
        return element;
    };

    form_.forEachControl([&](const ControlName& name, const auto& control) {
        using Control = std::remove_cvref_t<decltype(control)>;
        if constexpr (std::is_same_v<Control, Picture> || std::is_same_v<Control, Label>) {
            if (std::find(Unread.begin(), Unread.end(), name.name) != Unread.end()) return;
            const QPointF origin = BoardView::containerOrigin(name.container);
            const auto area = [this, origin, &control] {
                return globalRect(view_, origin, control.Left, control.Top, control.Width, control.Height);
            };
            if constexpr (std::is_same_v<Control, Label>) {
                for (auto& [container, card] : cards) {
                    if (container == name.container && !card->over && laidOver(control, *card->picture)) {
                        card->over = &control;
                        return;
                    }
                }
                if (!lies(control, origin)) return;
                const Label* label = &control;
                const bool button = label == &form_.Start || label == &form_.StopL || label == &form_.Ending;
                auto* element = keep(children_.add(new AccessibleElement(
                    this, button ? QAccessible::Button : QAccessible::StaticText,
                    [label] { return toQString(label->Caption); }, area,
                    [label] { return label->Visible && !label->Caption.empty(); })));
                if (button) {
                    const BoardView::Button which = label == &form_.Start   ? BoardView::Button::Start
                                                    : label == &form_.StopL ? BoardView::Button::Stop
                                                                            : BoardView::Button::End;
                    element->setPress([this, which] { emit view_.buttonClicked(which); });
                }
            } else {
                CardSource* card = &cards_.emplace_back(CardSource{&control});
                cards.emplace_back(name.container, card);
                const auto cardText = [card] {
                    return cardName(card->picture->Face, card->over ? card->over->Caption : std::string());
                };
                switch (name.container) {
                    case Container::Well:
                        if (!well) {
                            well = children_.add(new AccessibleTable(
                                this, [] { return QStringLiteral("フィールド"); }, Board::Rows, Board::Columns,
                                [this] {
                                    const QRect area = view_.wellArea();
                                    return QRect(view_.mapToGlobal(area.topLeft()), area.size());
                                }));
                            elements_.push_back(well);
                        }
                        well->addCell(cardText, area);
                        elements_.push_back(static_cast<AccessibleElement*>(well->child(well->childCount() - 1)));
                        break;
                    case Container::NextFrame:
                        if (!next)
                            next = keep(children_.add(new AccessibleElement(this, QAccessible::Grouping,
                                                                            [] { return QStringLiteral("NEXT"); })));
                        nextCards.emplace_back(
                            control.Top, keep(new AccessibleElement(next, QAccessible::StaticText, cardText, area)));
                        break;
                    case Container::NowFrame: {
                        // The falling pair: its cards are in the well; NOW is the frame they come from.
                        const Form1& form = form_;
                        const auto falls = [&form] {
                            return form.Timer1.Enabled() || form.StopL.Caption == Form1::PausedCaption;
                        };
                        if (!now)
                            now = keep(children_.add(new AccessibleElement(
                                this, QAccessible::Grouping, [] { return QStringLiteral("NOW"); }, {}, falls)));
                        auto* element = keep(new AccessibleElement(now, QAccessible::StaticText, cardText, {}, falls));
                        const std::size_t k = static_cast<std::size_t>(name.index);
                        element->setDescription([&form, k] {
                            const int cell = form.state.FallingPair[k];
                            return QStringLiteral("%1行%2列")
                                .arg(cell / Board::Columns + 1)
                                .arg(cell % Board::Columns + 1);
                        });
                        nowCards.emplace_back(control.Top, element);
                        break;
                    }
                    case Container::Window:
                        if (lies(control, origin)) {
                            keep(children_.add(new AccessibleElement(this, QAccessible::Graphic, cardText, area)));
                        }
                        break;
                }
            }
        }
    });
    for (auto* frame : {&nextCards, &nowCards}) {
        std::stable_sort(frame->begin(), frame->end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        AccessibleElement* group = frame == &nextCards ? next : now;
        for (const auto& [top, element] : *frame) group->add(element);
    }
}

BoardAccessible::Told BoardAccessible::now() const {
    Told is;
    is.score = toQString(form_.Score.Caption);
    is.level = toQString(form_.Label5.Caption);
    is.total = shownCaption(form_.TotalS);
    is.combo = shownCaption(form_.ComboS);
    is.paused = form_.StopL.Caption == Form1::PausedCaption;
    return is;
}

QStringList BoardAccessible::news(const Told& was, const Told& is) const {
    QStringList said;
    // A row has just been valued: its hand and points blink now.
    if (is.hand != was.hand) said << toQString(form_.YakuL.Caption) + u' ' + toQString(form_.Gscore.Caption);
    if (is.score != was.score) said << toQString(form_.Label1.Caption) + u' ' + is.score;
    if (is.level != was.level) said << is.level;
    if (is.total != was.total && !is.total.isEmpty()) said << is.total;
    if (is.combo != was.combo && !is.combo.isEmpty()) said << is.combo;
    if (is.paused != was.paused) said << (is.paused ? Suspended : Resumed);
    return said;
}

void BoardAccessible::announceChanges() {
    make();
    for (std::size_t i = 0; i < elements_.size(); ++i) {
        AccessibleElement* element = elements_[i];
        auto& [name, shown] = seen_[i];
        if (const QString is = element->text(QAccessible::Name); is != name) {
            name = is;
            QAccessibleEvent event(element, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
        if (element->shown() != shown) {
            shown = !shown;
            QAccessibleEvent event(element, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
            QAccessible::updateAccessibility(&event);
        }
    }
    Told is = now();
    is.hand = form_.Timer3.Enabled() ? form_.Timer3.generation() : told_.hand;
    QStringList said = news(told_, is);
    told_ = is;
    // The total and the combo rate a record alike: "new record!" is said once.
    said.removeDuplicates();
    if (said.isEmpty()) return;
    announcement_ = said.join(QStringLiteral(", "));
    for (const auto change : {QAccessible::NameChanged, QAccessible::ObjectShow}) {
        QAccessibleEvent event(announcer_, change);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace tumblehand::ui
