// A game controller is a second keyboard: the game sees the same key codes and menu
// commands as from the keys, a held direction repeats, controllers come and go in the
// middle of a game, and the dialogs take their answers from the pad. SDL's virtual
// controller stands in for a real one.
#include "board/form1.h"
#include "tests/window/window_platform.h"
#include "ui/board_view.h"
#include "ui/controller_input.h"
#include "ui/controller_keys.h"
#include "ui/device_watch.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/virtual_controller.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include <SDL.h>

#include <optional>
#include <vector>

using namespace tumblehand;

namespace {

/// What a player does with the pad, each the press of one keyboard key.
enum class Move { Start, Back, South, East, PadLeft, PadRight, PadDown, StickLeft, StickRight, StickDown };

/// A controller plugged in, as SDL's virtual one.
class VirtualPad {
public:
    VirtualPad() : joystick_(SDL_JoystickOpen(ui::attachVirtualController())) {}
    ~VirtualPad() { unplug(); }
    /// Holds or lets go; the next poll reads it.
    void hold(Move move, bool down) {
        static constexpr SDL_GameControllerButton buttons[] = {
            SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_A,
            SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
            SDL_CONTROLLER_BUTTON_DPAD_DOWN};
        const auto stick = static_cast<Sint16>(down ? 32767 : 0);
        switch (move) {
            case Move::StickLeft: SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, -stick); break;
            case Move::StickRight: SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, stick); break;
            case Move::StickDown: SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTY, stick); break;
            default: SDL_JoystickSetVirtualButton(joystick_, buttons[static_cast<int>(move)], down);
        }
    }
    void unplug() {
        if (!joystick_) return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
        }
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};

/// The window tests' platform, but the quit question is the game's own dialog.
struct RealQuestion : test::WindowPlatform {
    using WindowPlatform::WindowPlatform;
    ui::QtPlatform real;
    bool askYesNo(std::string_view text, std::string_view title) override {
        dialogs.emplace_back(text);
        return real.askYesNo(text, title);
    }
};

struct Game {
    QTemporaryDir folder;
    RealQuestion platform{folder.path().toStdString()};
    Form1 form{platform};
    ui::MainWindow window{form, platform.modalTime()};
    ui::ControllerInput& input = window.findChild<ui::ControllerKeys*>()->input();
    std::vector<int> trace;  ///< every key code and menu command that reached the game

    Game() {
        platform.attach(window);
        platform.real.attach(window);
        window.load();
        window.show();
        QApplication::setActiveWindow(&window);
        window.boardView()->setFocus();
        QObject::connect(window.boardView(), &ui::BoardView::keyPressed, [this](int code) { trace.push_back(code); });
        QObject::connect(window.menuAction("Chusi"), &QAction::triggered, [this] { trace.push_back(vk::F1); });
        QObject::connect(window.menuAction("Kaisi"), &QAction::triggered, [this] { trace.push_back(vk::F2); });
    }
    void key(int key) { QTest::keyClick(window.boardView(), Qt::Key(key)); }
    void dealIn(int phase = -1) {
        for (int n = 0; n < 80 && !form.Timer1.Enabled() && form.state.DealPhase != phase; ++n) form.Timer2_Timer();
    }
    void press(VirtualPad& pad, Move move) {
        for (const bool down : {true, false}) pad.hold(move, down), input.poll();
    }
    int count(int code) const { return static_cast<int>(std::count(trace.begin(), trace.end(), code)); }
};

/// Asks the quit question with Esc and answers it from the pad while the dialog is open:
/// whether the game quit, or nothing if the pad's answer never reached the dialog.
std::optional<bool> quitAnsweredBy(Game& game, VirtualPad& pad, Move answer) {
    // The window is in front again, as a window manager puts it when a dialog closes.
    QApplication::setActiveWindow(&game.window);
    bool unanswered = false;
    QObject scope;  // ends the timers with the question
    QTimer::singleShot(0, &scope, [&] { pad.hold(answer, true); });
    QTimer::singleShot(5000, &scope, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) unanswered = dialog->close();
    });
    const int before = game.platform.closeRequests;
    game.key(Qt::Key_Escape);
    pad.hold(answer, false);
    game.input.poll();
    if (unanswered) return std::nullopt;
    return game.platform.closeRequests > before;
}

}  // namespace

class ControllerTest : public QObject {
    Q_OBJECT

private slots:
    void theGameSeesTheSameKeysFromThePadAsFromTheKeyboard() {
        // Each move with the pad and its key: a new game, the first card shifted along the
        // top row, then moves, turns and steps down with both the D-pad and the stick,
        // pause and go on, and a new game with Back.
        struct Step {
            Move move;
            Qt::Key key;
            int dealInTo = 0;  ///< after it: 1 the first card sits in the top row, -1 the pair falls
        };
        const std::vector<Step> steps = {
            {Move::Start, Qt::Key_F2, 1},        {Move::StickLeft, Qt::Key_Left, -1},
            {Move::PadRight, Qt::Key_Right},     {Move::StickRight, Qt::Key_Right},
            {Move::PadLeft, Qt::Key_Left},       {Move::South, Qt::Key_Up},
            {Move::East, Qt::Key_Up},            {Move::PadDown, Qt::Key_Down},
            {Move::StickDown, Qt::Key_Down},     {Move::Start, Qt::Key_F1},
            {Move::PadLeft, Qt::Key_Left},       {Move::Start, Qt::Key_F1},
            {Move::Back, Qt::Key_F2},
        };
        const auto play = [&](bool withPad) {
            Game game;
            VirtualPad pad;
            game.input.lookForControllers();
            for (const Step& step : steps) {
                withPad ? game.press(pad, step.move) : game.key(step.key);
                if (step.dealInTo) game.dealIn(step.dealInTo);
            }
            return std::tuple{game.trace, game.form.state.FallingPair, game.form.state.PairOrientation,
                              game.form.Timer2.Enabled(), game.form.StopL.Caption, game.input.attached()};
        };
        const auto fromKeys = play(false);
        const auto fromPad = play(true);
        const std::vector<int> expected = {vk::F2, vk::Left, vk::Right, vk::Right, vk::Left, vk::Up, vk::Up,
                                           vk::Down, vk::Down, vk::F1, vk::Left, vk::F1, vk::F2};
        QCOMPARE(std::get<0>(fromKeys), expected);
        QCOMPARE(std::get<5>(fromPad), 1);
        QVERIFY(fromPad == fromKeys);
    }

    void aHeldDirectionRepeatsAndControllersComeAndGoMidGame() {
        Game game;
        QCOMPARE(game.input.polling(), game.input.attached() > 0);  // none attached: nothing polls
        auto pad = std::make_unique<VirtualPad>();
        game.input.lookForControllers();
        QVERIFY(game.input.attached() == 1 && game.input.polling());
        game.press(*pad, Move::Start);
        game.dealIn();
        QVERIFY(game.form.Timer1.Enabled());

        // Held: one press, then repeats after the delay, like a held key.
        pad->hold(Move::StickRight, true);
        game.input.poll();
        QCOMPARE(game.count(vk::Right), 1);
        QTest::qWait(ui::ControllerKeys::RepeatDelayMs + 350);
        QVERIFY(game.count(vk::Right) >= 3);

        // Pulled out while held: the repeat stops, nothing polls, the keyboard plays on.
        pad->unplug();
        QTRY_COMPARE(game.input.attached(), 0);
        const int repeats = game.count(vk::Right);
        QTest::qWait(200);
        QCOMPARE(game.count(vk::Right), repeats);
        QVERIFY(!game.input.polling());
        QVERIFY(game.form.Timer1.Enabled() || game.form.Timer2.Enabled() || game.form.Timer3.Enabled());
        game.key(Qt::Key_Left);
        QCOMPARE(game.trace.back(), vk::Left);

        // Plugged in again, mid-game: it plays at once.
        pad = std::make_unique<VirtualPad>();
        game.input.lookForControllers();
        QCOMPARE(game.input.attached(), 1);
        game.press(*pad, Move::Start);
        QCOMPARE(game.trace.back(), vk::F1);

        // A device that is no controller: it looks for a while, then stops polling.
        pad->unplug();
        QTRY_COMPARE(game.input.attached(), 0);
        game.input.lookForControllers();
        QVERIFY(game.input.polling());
        QTRY_VERIFY_WITH_TIMEOUT(!game.input.polling(), 8000);
    }

    void theQuitQuestionIsAnsweredFromThePad() {
        Game game;
        VirtualPad pad;
        game.input.lookForControllers();
        game.key(Qt::Key_F2);
        game.dealIn();
        QCOMPARE(quitAnsweredBy(game, pad, Move::East), std::optional(false));  // No: the game goes on
        QVERIFY(game.window.isVisible() && game.form.Timer1.Enabled());
        QCOMPARE(quitAnsweredBy(game, pad, Move::South), std::optional(true));  // Yes: the window closes
        QVERIFY(!game.window.isVisible());
        QCOMPARE(game.platform.dialogs.size(), std::size_t{2});
    }

    void aNewInputDeviceNodeWakesTheWatch() {
        QTemporaryDir dev;
        ui::DeviceWatch watch(dev.path() + QStringLiteral("/input"));
        QSignalSpy changed(&watch, &ui::DeviceWatch::changed);
        QVERIFY(watch.watching());
        QVERIFY(QDir(dev.path()).mkdir(QStringLiteral("input")));  // the first input device
        QTRY_COMPARE(changed.count(), 1);
        QFile node(dev.path() + QStringLiteral("/input/event7"));
        QVERIFY(node.open(QIODevice::WriteOnly));
        QTRY_VERIFY(changed.count() >= 2);
        const int before = changed.count();
        QFile(dev.path() + QStringLiteral("/unrelated")).open(QIODevice::WriteOnly);
        QTest::qWait(50);
        QCOMPARE(changed.count(), before);
    }
};

QTEST_MAIN(ControllerTest)
#include "controller_test.moc"
