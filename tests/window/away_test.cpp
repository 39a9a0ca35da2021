// The player leaves the game: another program takes the focus, or the window is minimised.
// A falling pair is suspended then as STOP suspends it, one that is still coming in as soon
// as it falls, and nothing goes on by itself when the player is back. The game's own windows
// are no leaving (nor its questions: the input test keeps one open and sees the game go on).
// The window system's own report of the focus stands in for the desktop's.
#include "tests/window/window_platform.h"

#include <QtTest>

using namespace tumblehand;

class AwayTest : public QObject {
    Q_OBJECT

private slots:
    void aPairDoesNotFallWhileThePlayerIsAway_data() {
        QTest::addColumn<bool>("minimise");  // or another program takes the focus
        QTest::addColumn<bool>("comingIn");  // coming in: also a new game begun while the last one was paused
        QTest::newRow("focus elsewhere, falling") << false << false;
        QTest::newRow("minimised, falling") << true << false;
        QTest::newRow("focus elsewhere, coming in") << false << true;
        QTest::newRow("minimised, coming in, started paused") << true << true;
    }
    void aPairDoesNotFallWhileThePlayerIsAway() {
        QFETCH(bool, minimise);
        QFETCH(bool, comingIn);
        test::GameWindow game;
        QVERIFY(game.open());
        game.key(Qt::Key_F2);
        if (comingIn && minimise) {
            game.dealIn();
            game.key(Qt::Key_F1);
            game.key(Qt::Key_F2);
        }
        if (!comingIn) game.dealIn();
        QCOMPARE(game.form.Timer1.Enabled(), !comingIn);
        minimise ? game.window.showMinimized() : test::focusOn(nullptr);
        // The deal-in goes on, as STOP leaves it alone; gravity does not start.
        QTRY_VERIFY_WITH_TIMEOUT(!game.form.Timer2.Enabled(), 10000);
        QVERIFY(!game.form.Timer1.Enabled() && game.form.Chusi.Caption == "再開");
        // Back: still paused, until the player goes on as always.
        game.window.showNormal();
        test::focusOn(&game.window);
        QTRY_VERIFY(!game.window.playerAway());
        QCOMPARE(game.form.StopL.Caption, "↓");
        game.key(Qt::Key_F1);
        QVERIFY(game.form.Timer1.Enabled() && game.form.StopL.Caption == "STOP");
    }

    void theGamesOwnWindowsAreNoLeaving() {
        test::GameWindow game;
        QVERIFY(game.open());
        game.key(Qt::Key_F2);
        game.dealIn();
        game.key(Qt::Key_F3);
        game.key(Qt::Key_F4);
        QVERIFY(game.window.handTableWindow()->isVisible() && game.window.recordsWindow()->isVisible());
        QVERIFY(game.form.Timer1.Enabled() && game.form.StopL.Caption == "STOP");
    }
};

QTEST_MAIN(AwayTest)
#include "away_test.moc"
