// The player leaves the game: another program takes the focus, or the window is minimised.
// A falling pair is suspended then as STOP suspends it, one that is still coming in as soon
// as it falls, and nothing goes on by itself when the player is back. The game's own windows
// and questions are no leaving. The window system's own report of the focus stands in for
// the desktop's.
#include "tests/window/window_platform.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

using namespace tumblehand;

namespace {

/// How the player leaves the game and comes back.
enum class Leave { OtherProgram, Minimise };

void leave(test::GameWindow& game, Leave how) {
    if (how == Leave::Minimise) return game.window.showMinimized();
    // What the desktop says when another program's window takes the focus.
    QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(nullptr);
}

void comeBack(test::GameWindow& game) {
    game.window.showNormal();
    QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
        game.window.windowHandle());
}

}  // namespace

class AwayTest : public QObject {
    Q_OBJECT

private slots:
    void aPairDoesNotFallWhileThePlayerIsAway_data() {
        QTest::addColumn<Leave>("how");
        QTest::addColumn<bool>("whileComingIn");
        QTest::addColumn<bool>("startedPaused");  // a new game begun while the last one was paused
        QTest::newRow("focus elsewhere, falling") << Leave::OtherProgram << false << false;
        QTest::newRow("minimised, falling") << Leave::Minimise << false << false;
        QTest::newRow("focus elsewhere, coming in") << Leave::OtherProgram << true << false;
        QTest::newRow("minimised, coming in, started paused") << Leave::Minimise << true << true;
    }
    void aPairDoesNotFallWhileThePlayerIsAway() {
        QFETCH(Leave, how);
        QFETCH(bool, whileComingIn);
        QFETCH(bool, startedPaused);
        test::GameWindow game;
        QVERIFY(game.open());
        QCOMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
        game.key(Qt::Key_F2);
        if (startedPaused) {
            game.dealIn();
            game.key(Qt::Key_F1);
            game.key(Qt::Key_F2);
        }
        if (!whileComingIn) game.dealIn();
        QCOMPARE(game.form.Timer1.Enabled(), !whileComingIn);
        leave(game, how);
        QVERIFY(game.window.playerAway());
        // The deal-in goes on, as STOP leaves it alone; gravity does not start.
        QTRY_VERIFY_WITH_TIMEOUT(!game.form.Timer2.Enabled(), 10000);
        QVERIFY(!game.form.Timer1.Enabled());
        QCOMPARE(game.form.StopL.Caption, "↓");
        QCOMPARE(game.form.Chusi.Caption, "再開");

        // Back: still paused, until the player goes on as always.
        comeBack(game);
        QVERIFY(!game.window.playerAway());
        QTest::qWait(50);
        QVERIFY(!game.form.Timer1.Enabled());
        game.key(Qt::Key_F1);
        QVERIFY(game.form.Timer1.Enabled());
        QCOMPARE(game.form.StopL.Caption, "STOP");
    }

    void theGamesOwnWindowsAndQuestionsAreNoLeaving() {
        test::GameWindow game;
        QVERIFY(game.open());
        game.key(Qt::Key_F2);
        game.dealIn();
        game.key(Qt::Key_F3);
        game.key(Qt::Key_F4);
        // The quit question takes the focus; No goes back to the game.
        test::DialogAnswerer answerer(
            [](QDialog& dialog) { static_cast<QMessageBox&>(dialog).button(QMessageBox::No)->click(); });
        game.key(Qt::Key_Escape);
        QCOMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
        QVERIFY(game.window.handTableWindow()->isVisible() && game.window.recordsWindow()->isVisible());
        QVERIFY(game.form.Timer1.Enabled());
        QCOMPARE(game.form.StopL.Caption, "STOP");
    }
};

QTEST_MAIN(AwayTest)
#include "away_test.moc"
