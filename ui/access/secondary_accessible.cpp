#include "ui/access/secondary_accessible.h"

#include "ui/drawing/text_painting.h"
#include "ui/drawing/twips_scale.h"
#include "ui/windows/hand_table_window.h"
#include "ui/windows/records_window.h"

namespace tumblehand::ui {

namespace {

QString captionOf(const Label& label) { return toQString(label.Caption); }

}  // namespace

SecondaryAccessible::SecondaryAccessible(ModelWindow& window) : QAccessibleWidget(&window, QAccessible::Window) {}

int SecondaryAccessible::childCount() const {
    build();
    return children_.count();
}

QAccessibleInterface* SecondaryAccessible::child(int index) const {
    build();
    return children_.at(index);
}

int SecondaryAccessible::indexOfChild(const QAccessibleInterface* child) const {
    build();
    return children_.indexOf(child);
}

QAccessibleInterface* SecondaryAccessible::childAt(int x, int y) const {
    build();
    return children_.childAt(x, y);
}

void SecondaryAccessible::build() const {
    if (built_) return;
    built_ = true;
    auto* self = const_cast<SecondaryAccessible*>(this);
    auto* window = static_cast<ModelWindow*>(widget());
    const auto area = [window](const Label& label, int width, int height) {
        return [window, &label, width, height] {
            const TwipsScale s(QSizeF(window->size()), width, height);
            const QRect r = s.rect(label.Left, label.Top, label.Width, label.Height).toAlignedRect();
            return QRect(window->mapToGlobal(r.topLeft()), r.size());
        };
    };
    const auto text = [](const Label& label) { return [&label] { return captionOf(label); }; };

    if (const auto* hands = qobject_cast<HandTableWindow*>(window)) {
        const Form2& form = hands->model();
        const int w = Form2::ScaleWidth, h = Form2::ScaleHeight;
        auto* table = children_.add(new AccessibleTable(self, [window] { return window->windowTitle(); },
                                                        static_cast<int>(form.rows.size()), 4, {}));
        for (const Label* heading : {&form.handHeading, &form.pointsHeading, &form.cardsHeading, &form.effectHeading}) {
            table->addHeading(text(*heading));
        }
        for (const Form2::Row& row : form.rows) {
            table->addCell(text(row.hand), area(row.hand, w, h));
            table->addCell(text(row.points), area(row.points, w, h));
            table->addCell(text(row.cards), area(row.cards, w, h));
            // An effect that wraps is one cell of two lines.
            table->addCell(
                [&row] {
                    const QString second = captionOf(row.effectSecondLine);
                    return captionOf(row.effect) + second;
                },
                area(row.effect, w, h));
        }
    } else if (const auto* records = qobject_cast<RecordsWindow*>(window)) {
        const Form3& form = records->model();
        const int w = Form3::ScaleWidth, h = Form3::ScaleHeight;
        const auto line = [&](const Label& label, QAccessible::Role role) {
            children_.add(new AccessibleElement(self, role, text(label), area(label, w, h)));
        };
        line(form.Label2, QAccessible::Heading);
        auto* table = children_.add(new AccessibleTable(self, text(form.Label2), 10, 3, {}));
        // The window has no column headings: the words are those of the name prompt (名前,
        // 位) and of the hand table (得点).
        for (const char* heading : {"順位", "名前", "得点"}) {
            table->addHeading([heading] { return QString::fromUtf8(heading); });
        }
        for (std::size_t i = 0; i < form.Score.size(); ++i) {
            table->addCell([&place = form.Label4[i]] { return captionOf(place) + QStringLiteral("位"); },
                           area(form.Label4[i], w, h));
            table->addCell(text(form.Label1[i]), area(form.Label1[i], w, h));
            table->addCell(text(form.Score[i]), area(form.Score[i], w, h));
        }
        line(form.Label3, QAccessible::Heading);
        line(form.Maxcombop, QAccessible::StaticText);
        line(form.Maxcombon, QAccessible::StaticText);
        line(form.Label6, QAccessible::Heading);
        line(form.MaxpointsP, QAccessible::StaticText);
        line(form.Maxpointsn, QAccessible::StaticText);
    }
}

}  // namespace tumblehand::ui
