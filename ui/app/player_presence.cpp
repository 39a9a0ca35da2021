#include "ui/app/player_presence.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace tumblehand::ui {

PlayerPresence::PlayerPresence(QWidget& mainWindow) : QObject(&mainWindow), window_(mainWindow) {
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) { update(state != Qt::ApplicationActive, hidden_); });
    window_.installEventFilter(this);
}

bool PlayerPresence::eventFilter(QObject* watched, QEvent* event) {
    // A minimised window gets a hide event from the window system, but not on every
    // desktop: its state change says so as well.
    switch (event->type()) {
        case QEvent::Hide: update(background_, true); break;
        case QEvent::Show: update(background_, false); break;
        case QEvent::WindowStateChange: update(background_, window_.isMinimized()); break;
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

void PlayerPresence::update(bool background, bool hidden) {
    const bool was = away();
    background_ = background;
    hidden_ = hidden;
    if (!was && away()) emit left();
}

}  // namespace tumblehand::ui
