// A game controller is a second keyboard: the game sees the same keys and menu commands,
// a held direction repeats, pads come and go mid-game, the quit question takes the pad's
// answer, and nothing polls while none is attached. SDL's virtual pad stands in for one.
#include "tests/window/window_platform.h"
#include "ui/controller_input.h"
#include "ui/controller_keys.h"
#include "ui/device_watch.h"
#include "ui/virtual_controller.h"

#include <QAction>
#include <QtTest>

#include <SDL.h>

#include <optional>

using namespace tumblehand;

namespace {

enum class Move { Start, Back, South, East, PadLeft, PadRight, PadDown, StickLeft, StickRight, StickDown };

/// SDL's virtual controller, plugged in while it lives; the next poll reads what it holds.
class VirtualPad {
public:
    VirtualPad() : joystick_(SDL_JoystickOpen(ui::attachVirtualController())) {}
    ~VirtualPad() {
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
        SDL_JoystickClose(joystick_);
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }
    void hold(Move move, bool down) {
        static constexpr SDL_GameControllerButton buttons[] = {
            SDL_CONTROLLER_BUTTON_START,    SDL_CONTROLLER_BUTTON_BACK,      SDL_CONTROLLER_BUTTON_A,
            SDL_CONTROLLER_BUTTON_B,        SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
            SDL_CONTROLLER_BUTTON_DPAD_DOWN};
        if (move < Move::StickLeft) {
            SDL_JoystickSetVirtualButton(joystick_, buttons[static_cast<int>(move)], down);
        } else {
            const auto value = static_cast<Sint16>(down ? (move == Move::StickLeft ? -32767 : 32767) : 0);
            SDL_JoystickSetVirtualAxis(
                joystick_, move == Move::StickDown ? SDL_CONTROLLER_AXIS_LEFTY : SDL_CONTROLLER_AXIS_LEFTX, value);
        }
    }

private:
    SDL_Joystick* joystick_ = nullptr;
};

struct Game : test::GameWindow<test::RealDialogPlatform> {
    ui::ControllerInput& input = window.findChild<ui::ControllerKeys*>()->input();
    std::vector<int> trace;  ///< every key code and menu command that reached the game

    Game() {
        QObject::connect(window.boardView(), &ui::BoardView::keyPressed, [this](int code) { trace.push_back(code); });
        QObject::connect(window.menuAction("Chusi"), &QAction::triggered, [this] { trace.push_back(vk::F1); });
        QObject::connect(window.menuAction("Kaisi"), &QAction::triggered, [this] { trace.push_back(vk::F2); });
    }
    void press(VirtualPad& pad, Move move) {
        for (const bool down : {true, false}) pad.hold(move, down), input.poll();
    }
    int count(int code) const { return static_cast<int>(std::count(trace.begin(), trace.end(), code)); }

    /// Asks the quit question with Esc and holds answer while it is open: whether the
    /// window closed, or nothing if the pad's answer never reached the dialog.
    std::optional<bool> quitAnsweredBy(VirtualPad& pad, Move answer) {
        QApplication::setActiveWindow(&window);  // in front again, as a window manager puts it
        bool unanswered = false;
        test::DialogAnswerer answerer([&](QDialog& dialog) {
            pad.hold(answer, true);
            QTimer::singleShot(5000, &dialog, [&unanswered, box = &dialog] { unanswered = box->close(); });
        });
        key(Qt::Key_Escape);
        pad.hold(answer, false);
        input.poll();
        if (unanswered) return std::nullopt;
        return !window.isVisible();
    }
};

}  // namespace

class ControllerTest : public QObject {
    Q_OBJECT

private slots:
    void theGameSeesTheSameKeysFromThePadAsFromTheKeyboard() {
        // A new game, the first card shifted along the top row, moves, turns and steps
        // down with both the D-pad and the stick, pause and go on, a new game with Back.
        // dealInTo: after the step, 1 the first card sits in the top row, -1 the pair falls.
        struct Step {
            Move move;
            Qt::Key key;
            int dealInTo = 0;
        };
        const Step steps[] = {
            {Move::Start, Qt::Key_F2, 1},      {Move::StickLeft, Qt::Key_Left, -1}, {Move::PadRight, Qt::Key_Right},
            {Move::StickRight, Qt::Key_Right}, {Move::PadLeft, Qt::Key_Left},       {Move::South, Qt::Key_Up},
            {Move::East, Qt::Key_Up},          {Move::PadDown, Qt::Key_Down},       {Move::StickDown, Qt::Key_Down},
            {Move::Start, Qt::Key_F1},         {Move::PadLeft, Qt::Key_Left},       {Move::Start, Qt::Key_F1},
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
            return std::tuple{game.trace,
                              game.form.state.FallingPair,
                              game.form.state.PairOrientation,
                              game.form.Timer2.Enabled(),
                              game.form.StopL.Caption,
                              game.input.attached()};
        };
        const auto fromKeys = play(false), fromPad = play(true);
        const std::vector<int> expected = {vk::F2,   vk::Left, vk::Right, vk::Right, vk::Left, vk::Up, vk::Up,
                                           vk::Down, vk::Down, vk::F1,    vk::Left,  vk::F1,   vk::F2};
        QCOMPARE(std::get<0>(fromKeys), expected);
        QCOMPARE(std::get<5>(fromPad), 1);
        QVERIFY(fromPad == fromKeys);
    }

    void aHeldDirectionRepeatsAndPadsComeAndGoMidGame() {
        Game game;
        QVERIFY(!game.input.polling());  // none attached: nothing polls
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
        pad.reset();
        QTRY_COMPARE(game.input.attached(), 0);
        const int repeats = game.count(vk::Right);
        QTest::qWait(200);
        QVERIFY(game.count(vk::Right) == repeats && !game.input.polling());
        game.key(Qt::Key_Left);
        QCOMPARE(game.trace.back(), vk::Left);

        // Plugged in again, mid-game: it plays at once.
        pad = std::make_unique<VirtualPad>();
        game.input.lookForControllers();
        game.press(*pad, Move::Start);
        QCOMPARE(game.trace.back(), vk::F1);

        // A device that is no controller: it looks for a while, then stops polling.
        pad.reset();
        QTRY_COMPARE(game.input.attached(), 0);
        game.input.lookForControllers();
        QTRY_VERIFY_WITH_TIMEOUT(!game.input.polling(), 8000);
    }

    void theQuitQuestionIsAnsweredFromThePad() {
        Game game;
        VirtualPad pad;
        game.input.lookForControllers();
        game.key(Qt::Key_F2);
        game.dealIn();
        QCOMPARE(game.quitAnsweredBy(pad, Move::East), std::optional(false));  // No: the game goes on
        QVERIFY(game.form.Timer1.Enabled());
        QCOMPARE(game.quitAnsweredBy(pad, Move::South), std::optional(true));  // Yes: the window closes
        QCOMPARE(game.platform.dialogs.size(), std::size_t{2});
    }

    void aNewInputDeviceNodeWakesTheWatch() {
        QTemporaryDir dev;
        ui::DeviceWatch watch(dev.path() + "/input");
        QSignalSpy changed(&watch, &ui::DeviceWatch::changed);
        QVERIFY(watch.watching() && QDir(dev.path()).mkdir("input"));  // the first input device
        QTRY_COMPARE(changed.count(), 1);
        QVERIFY(QFile(dev.path() + "/input/event7").open(QIODevice::WriteOnly));
        QTRY_VERIFY(changed.count() >= 2);
        const int before = changed.count();
        QVERIFY(QFile(dev.path() + "/unrelated").open(QIODevice::WriteOnly));
        QTest::qWait(50);
        QCOMPARE(changed.count(), before);
    }
};

QTEST_MAIN(ControllerTest)
#include "controller_test.moc"
