#include "ui/input/dialog_answer_keys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>

namespace tumblehand::ui {

namespace {

class LetterAnswers : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier)) return false;
        for (QAbstractButton* button : box->buttons()) {
            const QKeySequence shortcut = button->shortcut();
            if (!shortcut.isEmpty() && shortcut[0].key() == key->key()) {
                button->click();
                return true;
            }
        }
        return false;
    }
};

}  // namespace

void answerOnLetterPress(QMessageBox& box) { box.installEventFilter(new LetterAnswers(&box)); }

}  // namespace tumblehand::ui
