// Keys, clicks, menu commands and the deck drag reach Form1 once each, and nothing
// reaches it while a dialog holds the game still.
#include "board/form1.h"
#include "tests/window/window_platform.h"
#include "ui/board_view.h"
#include "ui/hand_table_window.h"
#include "ui/main_window.h"
#include "ui/records_window.h"
#include "ui/twips_scale.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include <tuple>

using namespace tumblehand;

namespace {

// Tops of the START, STOP and END buttons, in twips.
constexpr int StartTop = 2520, StopTop = 2880, EndTop = 3240;

struct Game {
    QTemporaryDir folder;
    test::WindowPlatform platform{folder.path().toStdString()};
    Form1 form{platform};
    ui::MainWindow window{form, platform.modalTime()};

    Game() {
        platform.attach(window);
        window.load();
        window.show();
        QApplication::setActiveWindow(&window);
        window.boardView()->setFocus();
    }

    ui::BoardView* view() { return window.boardView(); }
    QPoint at(double x, double y) { return view()->scale().point(x, y).toPoint(); }
    void key(int key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(view(), Qt::Key(key), mods); }
    void button(int top) { QTest::mouseClick(view(), Qt::LeftButton, {}, at(2640 + 427, top + 127)); }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(view(), Qt::LeftButton, {}, from);
        QTest::mouseMove(view(), to);
        QTest::mouseRelease(view(), Qt::LeftButton, {}, to);
    }
    // Runs the deal-in by hand, tick by tick, so that the test does not wait on the clock.
    void dealIn(int phase = -1) {
        for (int n = 0; n < 80 && !form.Timer1.Enabled() && form.state.DealPhase != phase; ++n) form.Timer2_Timer();
    }
    void start() { key(Qt::Key_F2), dealIn(); }
};

}  // namespace

class InputTest : public QObject {
    Q_OBJECT

private slots:
    void keysReachTheModelAndRepaintOnlyWhenSomethingChanges() {
        Game game;
        const int idle = game.window.repaintRequests();
        for (int key : {Qt::Key_Left, Qt::Key_Space}) game.key(key);  // no game: ignored
        QCOMPARE(game.window.repaintRequests(), idle);

        game.key(Qt::Key_F2);
        QVERIFY(game.form.Timer2.Enabled());
        game.dealIn(1);
        QVERIFY(game.form.state.DealPhase == 1 && game.form.state.FallingPair[0] == 2);
        const CardFace first = game.form.Mas(2).Face;
        const int before = game.window.repaintRequests();
        game.key(Qt::Key_Left);  // the sliding card moves
        QCOMPARE(game.form.state.FallingPair[0], 1);
        QCOMPARE(game.form.Mas(1).Face, first);
        QVERIFY(game.form.board.isEmpty(2));
        QVERIFY(game.window.repaintRequests() > before);

        game.dealIn();
        QVERIFY(game.form.Timer1.Enabled() && game.form.state.FallingPair[1] == 1);
        game.key(Qt::Key_C);
        QCOMPARE(game.form.state.FallingPair[1], 2);
        // A held key repeats.
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(game.view(), &repeat);
        QCOMPARE(game.form.state.FallingPair[1], 3);
    }

    void buttonsTheDeckDragAndMenuShortcutsRunOnce() {
        Game game;
        game.button(StartTop);
        QVERIFY(game.form.Timer2.Enabled());
        // Off the drop targets nothing is armed; on the pig rate the pig boost is.
        const QPoint deck = game.at(2800, 400);  // the middle card's uncovered edge
        game.drag(deck, game.at(1300, 3000));
        QVERIFY(!game.form.state.PigBoost);
        game.drag(deck, game.at(3100, 3840));
        QVERIFY(game.form.state.PigBoost && !game.form.state.JokerBoost);

        // Run twice, F1 or STOP would pause and resume at once.
        game.dealIn();
        for (const auto& [byKey, paused, caption] : {std::tuple{true, true, "再開"}, std::tuple{false, false, "中断"}}) {
            byKey ? game.key(Qt::Key_F1) : game.button(StopTop);
            QCOMPARE(game.form.Timer1.Enabled(), !paused);
            QCOMPARE(game.window.menuAction("Chusi")->text(), QString::fromUtf8(caption));
        }
        // The hand table and the records open without pausing the game.
        game.key(Qt::Key_F3);
        game.key(Qt::Key_F4);
        QVERIFY(game.platform.handTableRequests == 1 && game.window.handTableWindow()->isVisible());
        QVERIFY(game.platform.recordsRequests == 1 && game.window.recordsWindow()->isVisible());
        QVERIFY(game.form.Timer1.Enabled());
        // F2 starts afresh: the falling pair is gone and a deal-in runs.
        game.key(Qt::Key_F2);
        QVERIFY(!game.form.Timer1.Enabled() && game.form.Timer2.Enabled());
        // END closes everything.
        game.button(EndTop);
        QVERIFY(game.platform.closeRequests == 1 && !game.window.isVisible());
        QVERIFY(!game.window.handTableWindow()->isVisible() && !game.window.recordsWindow()->isVisible());
    }

    void nothingReachesTheGameWhileADialogIsOpen() {
        Game game;
        game.start();
        game.key(Qt::Key_Up);  // the schedule learns of Timer1 here
        const auto pair = game.form.state.FallingPair;
        const std::int64_t dueBefore = game.window.schedule().nextDue().value();
        const qint64 modalBefore = game.platform.modalTime().totalMs();

        // The question stays open longer than a gravity step, while the player presses
        // keys and clicks START behind it.
        std::array<std::uint8_t, 2> pairInside{};
        bool timer2Inside = true;
        game.platform.holdDialogMs = game.form.Timer1.Interval() + 400;
        game.platform.duringDialog = [&] {
            game.key(Qt::Key_Left);
            game.button(StartTop);
            QTest::qWait(game.form.Timer1.Interval() / 2 + 100);
            pairInside = game.form.state.FallingPair;
            timer2Inside = game.form.Timer2.Enabled();
        };
        game.platform.confirmations.push_back(false);
        game.key(Qt::Key_Escape);

        QCOMPARE(game.platform.dialogs.back(), std::string("本当に終了しますか？"));
        QCOMPARE(pairInside, pair);
        QVERIFY(!timer2Inside && game.form.Timer1.Enabled() && game.window.isVisible());
        // The game goes on where it was: its next step is later by the time the question
        // was open, so no burst of missed steps follows.
        const qint64 held = game.platform.modalTime().totalMs() - modalBefore;
        QVERIFY(held > game.form.Timer1.Interval());
        QCOMPARE(*game.window.schedule().nextDue(), dueBefore + held);

        game.key(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(game.platform.closeRequests == 1 && !game.window.isVisible());
    }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
