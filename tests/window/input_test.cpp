// The player's keys, buttons, the deck drag, menu shortcuts and a game controller reach
// Form1 once per press: a pad is a second keyboard, its held direction repeats, pads come
// and go mid-game, nothing polls while none is attached or another program is in front,
// and nothing reaches the game while a dialog holds it still. SDL's virtual pad stands in for a real one.
#include "measure/virtual_controller.h"
#include "tests/window/window_platform.h"
#include "ui/input/controller_input.h"
#include "ui/input/controller_keys.h"
#include "ui/system/device_watch.h"
#include "ui/windows/hand_table_window.h"

#include <QAction>
#include <QMessageBox>
#include <QtTest>
#include <SDL.h>

#include <optional>
#include <tuple>

using namespace tumblehand;

namespace {

// Tops of the START, STOP and END buttons, in twips.
constexpr int StartTop = 2520, StopTop = 2880, EndTop = 3240;

/// What a thumb does on a pad: press a button, or push a stick to one end of an axis.
struct Move {
    int button = -1, axis = -1, end = 0;
};
constexpr Move Start{SDL_CONTROLLER_BUTTON_START}, Back{SDL_CONTROLLER_BUTTON_BACK}, South{SDL_CONTROLLER_BUTTON_A},
    East{SDL_CONTROLLER_BUTTON_B}, PadLeft{SDL_CONTROLLER_BUTTON_DPAD_LEFT}, PadRight{SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
    PadDown{SDL_CONTROLLER_BUTTON_DPAD_DOWN}, StickLeft{-1, SDL_CONTROLLER_AXIS_LEFTX, -32767},
    StickRight{-1, SDL_CONTROLLER_AXIS_LEFTX, 32767}, StickDown{-1, SDL_CONTROLLER_AXIS_LEFTY, 32767};

/// SDL's virtual controller, plugged in while it lives; the next poll reads what it holds.
struct VirtualPad {
    SDL_Joystick* const joystick = SDL_JoystickOpen(measure::attachVirtualController());
    ~VirtualPad() {
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
        SDL_JoystickClose(joystick);
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }
    void hold(Move move, bool down) {
        if (move.button >= 0) SDL_JoystickSetVirtualButton(joystick, move.button, down);
        if (move.axis >= 0) SDL_JoystickSetVirtualAxis(joystick, move.axis, static_cast<Sint16>(down ? move.end : 0));
    }
};

struct Game : test::GameWindow {
    ui::ControllerKeys& keys = *window.findChild<ui::ControllerKeys*>();
    ui::ControllerInput& input = keys.input();
    std::vector<int> trace;  ///< every key code and menu command that reached the game

    Game() {
        QObject::connect(window.boardView(), &ui::BoardView::keyPressed, [this](int code) { trace.push_back(code); });
        QObject::connect(window.menuAction("Chusi"), &QAction::triggered, [this] { trace.push_back(vk::F1); });
        QObject::connect(window.menuAction("Kaisi"), &QAction::triggered, [this] { trace.push_back(vk::F2); });
    }
    std::unique_ptr<VirtualPad> pad;

    /// Plugs a pad in, found as the watch would find it.
    void plugIn() {
        pad = std::make_unique<VirtualPad>();
        input.lookForControllers();
    }
    /// Presses the move on the pad, and lets go unless `letGo` is false; each read at once.
    void press(Move move, bool letGo = true) {
        for (const bool down : {true, false}) {
            if (!down && !letGo) return;
            pad->hold(move, down);
            input.poll();
        }
    }
    int count(int code) const { return static_cast<int>(std::count(trace.begin(), trace.end(), code)); }
    QPoint at(double x, double y) { return window.boardView()->scale().point(x, y).toPoint(); }
    void button(int top) { QTest::mouseClick(window.boardView(), Qt::LeftButton, {}, at(2640 + 427, top + 127)); }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(window.boardView(), Qt::LeftButton, {}, from);
        QTest::mouseMove(window.boardView(), to);
        QTest::mouseRelease(window.boardView(), Qt::LeftButton, {}, to);
    }

    /// Asks the quit question with Esc and lets answer answer it: whether the window closed,
    /// or nothing if no question opened or the answer never reached it.
    std::optional<bool> quit(const std::function<void(QMessageBox&)>& answer) {
        QApplication::setActiveWindow(&window);  // in front again, as a window manager puts it
        bool asked = false, unanswered = false;
        test::DialogAnswerer answerer([&](QDialog& dialog) {
            asked = true;
            answer(static_cast<QMessageBox&>(dialog));
            QTimer::singleShot(5000, &dialog, [&unanswered, box = &dialog] { unanswered = box->close(); });
        });
        key(Qt::Key_Escape);
        return asked && !unanswered ? std::optional(!window.isVisible()) : std::nullopt;
    }
};

}  // namespace

class InputTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsTheDeckDragAndMenuShortcutsRunOnce() {
        Game game;
        QVERIFY(game.open());
        game.button(StartTop);
        // Off the drop targets nothing is armed; on the pig rate the pig boost is.
        const QPoint deck = game.at(2800, 400);  // the middle card's uncovered edge
        game.drag(deck, game.at(1300, 3000));
        QVERIFY(!game.form.state.PigBoost);
        game.drag(deck, game.at(3100, 3840));
        QVERIFY(game.form.state.PigBoost && !game.form.state.JokerBoost);

        // Run twice, F1 or STOP would pause and resume at once.
        game.dealIn();
        game.key(Qt::Key_F1);
        QVERIFY(!game.form.Timer1.Enabled() && game.window.menuAction("Chusi")->text() == "再開");
        game.button(StopTop);
        QVERIFY(game.form.Timer1.Enabled() && game.window.menuAction("Chusi")->text() == "中断");
        // F2 starts afresh: the falling pair is gone and a deal-in runs.
        game.key(Qt::Key_F2);
        QVERIFY(!game.form.Timer1.Enabled() && game.form.Timer2.Enabled());
        // END closes everything.
        game.key(Qt::Key_F3);
        game.button(EndTop);
        QVERIFY(!game.window.isVisible() && !game.window.handTableWindow()->isVisible());
    }

    void nothingReachesTheGameWhileADialogIsOpen() {
        Game game;
        QVERIFY(game.open());
        game.key(Qt::Key_F2);
        game.dealIn();
        // A key reaches the game, and a held one repeats.
        const int column = game.form.state.FallingPair[1];
        game.key(Qt::Key_Right);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(game.window.boardView(), &repeat);
        QCOMPARE(int(game.form.state.FallingPair[1]), column + 2);
        game.key(Qt::Key_Up);  // the schedule learns of Timer1 here
        const auto pair = game.form.state.FallingPair;
        const std::int64_t dueBefore = game.window.schedule().nextDue().value();
        const qint64 modalBefore = game.platform.modalTime().totalMs();

        // The question stays open longer than a gravity step, while the player presses
        // keys and clicks START behind it, then answers No.
        bool stillInside = false;
        QCOMPARE(game.quit([&](QMessageBox& box) {
            game.key(Qt::Key_Left);
            game.button(StartTop);
            // Until the step that was due has passed by the window's clock, and then some.
            QTRY_VERIFY_WITH_TIMEOUT(game.window.now() > dueBefore + 200, 10000);
            stillInside = game.form.state.FallingPair == pair && !game.form.Timer2.Enabled();
            QCOMPARE(box.text(), QStringLiteral("本当に終了しますか？"));
            QTest::keyClick(&box, Qt::Key_N);
        }),
                 std::optional(false));
        QVERIFY(stillInside && game.form.Timer1.Enabled());
        // The game goes on where it was: its next step is later by the time the question
        // was open, so no burst of missed steps follows; and by the clock the pair falls again.
        const qint64 held = game.platform.modalTime().totalMs() - modalBefore;
        QVERIFY(held > game.form.Timer1.Interval());
        QCOMPARE(*game.window.schedule().nextDue(), dueBefore + held);
        QTRY_VERIFY(game.form.state.FallingPair != pair);

        QApplication::setActiveWindow(&game.window);  // in front again, as a window manager puts it
        QTest::keyClick(game.window.boardView(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!game.window.isVisible());
    }

    void theGameSeesTheSameKeysFromThePadAsFromTheKeyboard() {
        // A new game, the first card shifted along the top row, moves, turns and steps
        // down with both the D-pad and the stick, pause and go on, a new game with Back.
        // dealInTo: after the step, 1 the first card sits in the top row, -1 the pair falls.
        const std::tuple<Move, Qt::Key, int> steps[] = {
            {Start, Qt::Key_F2, 1},         {StickLeft, Qt::Key_Left, -1}, {PadRight, Qt::Key_Right, 0},
            {StickRight, Qt::Key_Right, 0}, {PadLeft, Qt::Key_Left, 0},    {South, Qt::Key_Up, 0},
            {PadDown, Qt::Key_Down, 0},     {StickDown, Qt::Key_Down, 0},  {Start, Qt::Key_F1, 0},
            {PadLeft, Qt::Key_Left, 0},     {Start, Qt::Key_F1, 0},        {Back, Qt::Key_F2, 0},
        };
        std::optional<Game> game;
        const auto play = [&](bool withPad) {
            game->plugIn();
            for (const auto& [move, key, dealInTo] : steps) {
                withPad ? game->press(move) : game->key(key);
                if (dealInTo) game->dealIn(dealInTo);
            }
            const GameState& state = game->form.state;
            return std::tuple{game->trace, state.FallingPair, state.PairOrientation, game->form.StopL.Caption};
        };
        QVERIFY(game.emplace().open());
        const auto fromKeys = play(false);
        QVERIFY(game.emplace().open());
        const auto fromPad = play(true);
        // One key or command per step, the same from both.
        QCOMPARE(std::get<0>(fromPad).size(), std::size(steps));
        QVERIFY(fromPad == fromKeys);
    }

    void aHeldDirectionRepeatsAndPadsComeAndGoMidGame() {
        Game game;
        QVERIFY(game.open());
        game.plugIn();
        QVERIFY(game.input.attached() == 1 && game.input.polling());
        game.press(Start);
        game.dealIn();

        // Held: one press, then repeats after the delay, like a held key.
        game.press(StickRight, false);
        QCOMPARE(game.count(vk::Right), 1);
        QTRY_VERIFY(game.count(vk::Right) >= 3);

        // Pulled out while held: the repeat stops, and nothing polls.
        game.pad.reset();
        QTRY_COMPARE(game.input.attached(), 0);
        QVERIFY(!game.keys.repeating() && !game.input.polling());

        // Plugged in again, mid-game: it plays at once.
        game.plugIn();
        game.press(Start);
        QCOMPARE(game.trace.back(), vk::F1);
    }

    void thePadRestsWhileAnotherProgramIsInFront() {
        Game game;
        QVERIFY(game.open());
        game.plugIn();
        game.press(Start);
        // Held as the player leaves: let go at once, so it does not repeat; nothing polls.
        game.press(StickRight, false);
        test::focusOn(nullptr);
        QVERIFY(!game.input.polling());
        const std::vector<int> before = game.trace;
        // Pushed for the other program and still held on coming back: not the game's,
        // and neither is a direction held before leaving and let go meanwhile.
        game.pad->hold(StickRight, false);
        game.pad->hold(PadLeft, true);
        test::focusOn(&game.window);
        QVERIFY(game.input.polling());
        QVERIFY(!game.keys.repeating());
        game.input.poll();
        QCOMPARE(game.trace, before);
        game.pad->hold(PadLeft, false);
        game.press(PadRight);
        QCOMPARE(game.trace.back(), vk::Right);
        // Pulled out while away: found gone on coming back.
        test::focusOn(nullptr);
        game.pad.reset();
        test::focusOn(&game.window);
        QTRY_VERIFY(game.input.attached() == 0 && !game.input.polling());
    }

    void theQuitQuestionIsAnsweredFromThePadOrAtTheLetterPressed() {
        // East says No, South and Y say Yes, each in a game of its own. A letter closes the
        // question at once, so that the arrows pressed right after reach the game.
        for (const auto& [move, letter, yes] :
             {std::tuple{East, 0, false}, std::tuple{South, 0, true}, std::tuple{Move{}, int(Qt::Key_Y), true}}) {
            Game game;
            QVERIFY(game.open());
            game.plugIn();
            game.key(Qt::Key_F2);
            game.dealIn();
            bool closedAtOnce = true;
            QCOMPARE(game.quit([&](QMessageBox& box) {
                if (!letter) return game.pad->hold(move, true);
                QTest::keyClick(&box, Qt::Key(letter));
                closedAtOnce = !box.isVisible();
            }),
                     std::optional(yes));
            QVERIFY(closedAtOnce && (yes || game.form.Timer1.Enabled()));
        }
    }

    void aNewInputDeviceNodeWakesTheWatch() {
        QTemporaryDir dev;
        ui::DeviceWatch watch(dev.path() + "/input");
        QSignalSpy changed(&watch, &ui::DeviceWatch::changed);
        QVERIFY(watch.watching() && QDir(dev.path()).mkdir("input"));  // the first input device
        QTRY_COMPARE(changed.count(), 1);
        QVERIFY(QFile(dev.path() + "/input/event7").open(QIODevice::WriteOnly));
        QTRY_VERIFY(changed.count() >= 2);
    }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
