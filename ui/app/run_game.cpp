#include "ui/app/run_game.h"

#include "board/form1.h"
#include "ui/app/destroyed_windows.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_platform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace tumblehand::ui {

namespace {

bool hasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int runGame(int argc, char* argv[], Probe& probe, const std::function<void(MainWindow&)>& ready) {
    if (!hasDisplay()) {
        std::fputs(
            "Tumblehand needs a display and none is set (no DISPLAY or WAYLAND_DISPLAY); "
            "run it under a virtual one: xvfb-run -a ./tumblehand\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tumblehand"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TUMBLEHAND_APP_ID));

    QtPlatform platform(probe);
    Form1 form{platform};
    MainWindow window(form, platform.modalTime(), probe);
    platform.attach(window);
    DestroyedWindows destroyed(window);
    app.installNativeEventFilter(&destroyed);
    if (ready) ready(window);
    window.load();
    window.show();
    return QApplication::exec();
}

}  // namespace tumblehand::ui
