#include "ui/windows/model_window.h"

#include "ui/drawing/double_rule.h"
#include "ui/drawing/twips_scale.h"
#include "ui/drawing/window_frame.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

namespace tumblehand::ui {

ModelWindow::ModelWindow(const QString& title, int areaWidthTwips, int areaHeightTwips, QWidget* parent)
    : QWidget(parent, Qt::Window), areaWidth_(areaWidthTwips), areaHeight_(areaHeightTwips) {
    setWindowTitle(title);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

QSize ModelWindow::sizeHint() const { return openingSize(areaWidth_, areaHeight_); }

QSize ModelWindow::size96() const { return ui::size96(areaWidth_, areaHeight_); }

void ModelWindow::keyPressEvent(QKeyEvent* event) {
    if (!keyTarget_) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The board reads the key as if it had been pressed there; Esc never gets here, as
    // it closes this window first (closeOnEscape).
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                   event->count());
    QCoreApplication::sendEvent(keyTarget_, &copy);
    event->setAccepted(copy.isAccepted());
}

void ModelWindow::addLabel(const Label& label, LabelStyle style) { labels_.trackLabel(label, style); }

void ModelWindow::addRule(const Rule& rule) { rules_.push_back(&rule); }

bool ModelWindow::repaintChanges() {
    labels_.look(TwipsScale(QSizeF(size()), areaWidth_, areaHeight_), devicePixelRatioF());
    const QRegion changed = labels_.takePending().intersected(rect());
    if (changed.isEmpty()) return false;
    update(changed);
    return true;
}

void ModelWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const TwipsScale s(QSizeF(size()), areaWidth_, areaHeight_);
    // Where the labels are drawn now: what a later change repaints. A change seen here
    // stays pending, and repaintChanges asks for its area too.
    labels_.look(s, devicePixelRatioF());
    paintBackground(painter, rect(), s);
    for (std::size_t i = 0; i < labels_.size(); ++i) paintLabel(painter, s, *labels_.labelAt(i), labels_.styleAt(i));
    // Rules that run past the client area stop at its edge.
    painter.setClipRect(s.area());
    for (const Rule* rule : rules_) paintRule(painter, s, *rule);
}

}  // namespace tumblehand::ui
