// Keys, buttons, the deck drag and menu shortcuts reach Form1 once per press, and nothing
// reaches it while a dialog holds the game still. (The keyboard's moves and repeats:
// controller_test plays the same sequence from keys and from a pad.)
#include "tests/window/window_platform.h"
#include "ui/hand_table_window.h"
#include "ui/records_window.h"
#include "ui/twips_scale.h"

#include <QAction>
#include <QtTest>

#include <tuple>

using namespace tumblehand;

namespace {

// Tops of the START, STOP and END buttons, in twips.
constexpr int StartTop = 2520, StopTop = 2880, EndTop = 3240;

struct Game : test::GameWindow<> {
    QPoint at(double x, double y) { return window.boardView()->scale().point(x, y).toPoint(); }
    void button(int top) { QTest::mouseClick(window.boardView(), Qt::LeftButton, {}, at(2640 + 427, top + 127)); }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(window.boardView(), Qt::LeftButton, {}, from);
        QTest::mouseMove(window.boardView(), to);
        QTest::mouseRelease(window.boardView(), Qt::LeftButton, {}, to);
    }
};

}  // namespace

class InputTest : public QObject {
    Q_OBJECT

private slots:
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
        for (const auto& [byKey, paused, caption] :
             {std::tuple{true, true, "再開"}, std::tuple{false, false, "中断"}}) {
            byKey ? game.key(Qt::Key_F1) : game.button(StopTop);
            QCOMPARE(game.form.Timer1.Enabled(), !paused);
            QCOMPARE(game.window.menuAction("Chusi")->text(), QString::fromUtf8(caption));
        }
        // The hand table and the records open once each without pausing the game.
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
        game.key(Qt::Key_F2), game.dealIn();
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

        QTest::keyClick(game.window.boardView(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(game.platform.closeRequests == 1 && !game.window.isVisible());
    }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
