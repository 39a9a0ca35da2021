#pragma once

#include "board/form1.h"
#include "harness/scripted_platform.h"
#include "ui/app/main_window.h"
#include "ui/app/qt_platform.h"
#include "ui/drawing/twips_scale.h"
#include "ui/system/modal_time.h"
#include "ui/windows/board_view.h"

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

namespace tumblehand::test {

/// The game's own platform and Qt dialogs, so that a test can look at them and answer them
/// as a player does; the same cards every run, records in the test's folder, no sound.
struct GamePlatform : ui::QtPlatform {
    std::string folder;
    explicit GamePlatform(std::string programFolder) : folder(std::move(programFolder)) {}
    void seedFromClock() override {}
    std::string programFolder() override { return folder; }
    std::string userDataFolder() override { return {}; }
    void playWav(const std::string&) override {}
};

/// What the desktop says when the focus goes to `window`, or to another program's (nullptr).
inline void focusOn(QWidget* window) {
    QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
        window ? window->windowHandle() : nullptr);
}

/// A shown main window on a form of its own, with the keyboard focus on the board.
struct GameWindow {
    QTemporaryDir folder;
    GamePlatform platform{folder.path().toStdString()};
    Form1 form{platform};
    ui::MainWindow window{form, platform.modalTime()};

    GameWindow() {
        platform.attach(window);
        window.load();
    }
    /// Shows the window at `at`, in front, with the keyboard focus on the board: false when
    /// it never came on screen, so that the test stops there (QVERIFY(game.open())).
    [[nodiscard]] bool open(QPoint at = {}) {
        window.move(at);
        window.show();
        QApplication::setActiveWindow(&window);
        window.boardView()->setFocus();
        return QTest::qWaitForWindowExposed(&window);
    }
    void key(int key) { QTest::keyClick(window.boardView(), Qt::Key(key)); }
    /// Runs the deal-in by hand, tick by tick, so that the test does not wait on the clock.
    void dealIn(int phase = -1) {
        for (int n = 0; n < 80 && !form.Timer1.Enabled() && form.state.DealPhase != phase; ++n) form.Timer2_Timer();
    }
};

/// Hands every dialog that opens, one after another, to answer, once its event loop runs.
struct DialogAnswerer : QObject {
    std::function<void(QDialog&)> answer;
    QTimer poll;
    QPointer<QDialog> last;

    explicit DialogAnswerer(std::function<void(QDialog&)> answerer) : answer(std::move(answerer)) {
        connect(&poll, &QTimer::timeout, this, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QDialog*>(widget);
                if (!dialog || !dialog->isVisible() || dialog == last.data()) continue;
                last = dialog;
                // Let the nested event loop deliver what is pending first.
                QTimer::singleShot(50, dialog, [this, dialog] { answer(*dialog); });
            }
        });
        poll.start(10);
    }
};

/// Where the twips of a form of the given design size fall in a widget of that size, in
/// whole pixels.
struct Expected {
    ui::TwipsScale scale;
    explicit Expected(QSize size, int width = 3525, int height = 5685) : scale(QSizeF(size), width, height) {}
    QPoint at(double x, double y) const {
        const QPointF p = scale.point(x, y);
        return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
    }
    /// The pixels that lie wholly inside the twips rectangle (one fewer where an edge
    /// falls exactly on a pixel's border).
    QRect inside(double x, double y, double w, double h) const {
        return QRect(at(x, y), at(x + w, y + h)).adjusted(1, 1, -1, -1);
    }
};

/// Pixels in rect that differ clearly from background.
inline int inkIn(const QImage& image, QRect rect, QColor background) {
    int count = 0;
    rect = rect.intersected(image.rect());
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int r = c.red() - background.red(), g = c.green() - background.green(),
                      b = c.blue() - background.blue();
            count += std::abs(r) + std::abs(g) + std::abs(b) > 120 ? 1 : 0;
        }
    }
    return count;
}

}  // namespace tumblehand::test
