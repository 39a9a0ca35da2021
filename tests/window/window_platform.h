#pragma once

#include "board/form1.h"
#include "shell/platform.h"
#include "ui/board_view.h"
#include "ui/main_window.h"
#include "ui/modal_time.h"
#include "ui/qt_platform.h"

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

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace tumblehand::test {

/// The window tests' platform: answers come from queues, every dialog is recorded, and
/// a dialog can hold a nested event loop open for a while, as a real one does, running
/// a probe inside it. Close and show requests reach the real window.
class WindowPlatform : public Platform {
public:
    explicit WindowPlatform(std::string folder);

    void attach(ui::MainWindow& window) { window_ = &window; }
    ui::ModalTime& modalTime() { return modal_; }

    void seedFromClock() override {}
    float random() override;
    void messageBox(std::string_view text, std::string_view title) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    std::string inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) override;
    std::string programFolder() override { return folder_; }
    std::string userDataFolder() override { return {}; }
    void playWav(const std::string&) override {}
    void closeMainWindow() override;
    void showHandTable() override;
    void showRecords() override;

    std::deque<bool> confirmations;
    std::vector<std::string> dialogs;  ///< texts of every message, question and prompt
    int handTableRequests = 0;
    int recordsRequests = 0;
    int closeRequests = 0;

    /// While a dialog is open: how long its nested event loop runs, and what to do in it.
    int holdDialogMs = 0;
    std::function<void()> duringDialog;

private:
    /// Records a dialog and holds it open as asked.
    void open(std::string_view text);

    std::string folder_;
    std::mt19937 generator_{1};
    ui::ModalTime modal_;
    ui::MainWindow* window_ = nullptr;
};

/// The same, but the messages, the quit question and the name prompts are the game's own
/// Qt dialogs, so that a test can look at them and answer them as a player does.
class RealDialogPlatform : public WindowPlatform {
public:
    using WindowPlatform::WindowPlatform;
    void attach(ui::MainWindow& window) { WindowPlatform::attach(window), real_.attach(window); }
    ui::ModalTime& modalTime() { return real_.modalTime(); }
    void messageBox(std::string_view text, std::string_view title) override;
    bool askYesNo(std::string_view text, std::string_view title) override;
    std::string inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText) override;

private:
    ui::QtPlatform real_;
};

/// A shown main window on a form of its own, with the keyboard focus on the board.
template <class P = WindowPlatform>
struct GameWindow {
    QTemporaryDir folder;
    P platform{folder.path().toStdString()};
    Form1 form{platform};
    ui::MainWindow window{form, platform.modalTime()};

    explicit GameWindow(QPoint at = {}) {
        platform.attach(window);
        window.load();
        window.move(at);
        window.show();
        QApplication::setActiveWindow(&window);
        window.boardView()->setFocus();
    }
    void key(int key) { QTest::keyClick(window.boardView(), Qt::Key(key)); }
    /// Runs the deal-in by hand, tick by tick, so that the test does not wait on the clock.
    void dealIn(int phase = -1) {
        for (int n = 0; n < 80 && !form.Timer1.Enabled() && form.state.DealPhase != phase; ++n) form.Timer2_Timer();
    }
};

/// Hands every dialog that opens, one after another, to answer, once its event loop runs.
class DialogAnswerer : public QObject {
public:
    explicit DialogAnswerer(std::function<void(QDialog&)> answer);

private:
    std::function<void(QDialog&)> answer_;
    QTimer poll_;
    QPointer<QDialog> last_;
};

/// The twips-to-pixels mapping of a form of the given design size, worked out here
/// independently of the view's own code: scaled to fit, centred between bars.
struct Expected {
    double factor, left, top;
    explicit Expected(QSize size, double width = 3525, double height = 5685) {
        factor = std::min(size.width() / width, size.height() / height);
        left = (size.width() - width * factor) / 2;
        top = (size.height() - height * factor) / 2;
    }
    QPoint at(double x, double y) const {
        return QPoint(static_cast<int>(std::floor(left + x * factor)), static_cast<int>(std::floor(top + y * factor)));
    }
    /// The pixels that lie wholly inside the twips rectangle.
    QRect inside(double x, double y, double w, double h) const {
        return QRect(
            QPoint(static_cast<int>(std::ceil(left + x * factor)), static_cast<int>(std::ceil(top + y * factor))),
            QPoint(static_cast<int>(std::floor(left + (x + w) * factor)) - 1,
                   static_cast<int>(std::floor(top + (y + h) * factor)) - 1));
    }
};

/// Pixels in rect that differ clearly from background.
inline int inkIn(const QImage& image, QRect rect, QColor background) {
    int count = 0;
    rect = rect.intersected(image.rect());
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                    std::abs(c.blue() - background.blue()) >
                120) {
                ++count;
            }
        }
    }
    return count;
}

/// A freshly loaded form and its board view at the opening size.
struct ViewScene {
    QTemporaryDir folder;
    WindowPlatform platform{folder.path().toStdString()};
    Form1 form{platform};
    ui::BoardView view{form};
    const QSize size{470, 758};
    const Expected e{size};
    ViewScene() { form.Form_Load(); }
};

}  // namespace tumblehand::test
