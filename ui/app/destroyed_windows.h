#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>

class QWidget;

namespace tumblehand::ui {

/// Another X client may destroy one of the game's windows outright (xdotool windowclose,
/// a broken desktop tool) instead of asking it to close. Qt would go on believing it shown:
/// a dialog's nested loop would wait for ever, the main window's program run on without a
/// window, a secondary window never show again. This treats such a window as closed by
/// the window manager.
class DestroyedWindows : public QAbstractNativeEventFilter {
public:
    explicit DestroyedWindows(QWidget& mainWindow) : main_(&mainWindow) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    /// What the loss of window's native window means: a dialog closes as its close box
    /// closes it (a name prompt then asks again, a message is taken as read); the main
    /// window closes, ending the program; another window closes and is deleted, so that
    /// its command makes it anew.
    static void treatAsClosed(QWidget& window, const QWidget* mainWindow);

private:
    QPointer<QWidget> main_;
};

}  // namespace tumblehand::ui
