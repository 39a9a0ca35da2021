#include "ui/app/destroyed_windows.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <xcb/xproto.h>

namespace tumblehand::ui {

bool DestroyedWindows::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
    const xcb_window_t gone = reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->internalWinId() != gone || !window->isVisible()) continue;
        // After the event: Qt goes on with its own handling of it first.
        QPointer<QWidget> lost(window);
        QPointer<QWidget> main = main_;
        QMetaObject::invokeMethod(
            window,
            [lost, main] {
                if (lost) treatAsClosed(*lost, main);
            },
            Qt::QueuedConnection);
    }
    return false;
}

void DestroyedWindows::treatAsClosed(QWidget& window, const QWidget* mainWindow) {
    auto* dialog = qobject_cast<QDialog*>(&window);
    // A question without a No, or a message without a button, would refuse the close box.
    if (!window.close() && dialog) dialog->reject();
    if (!dialog && &window != mainWindow) window.deleteLater();
}

}  // namespace tumblehand::ui
