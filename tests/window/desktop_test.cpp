// The game on a desktop: what the model changed before a dialog is on screen behind it,
// a message and the name prompt look as the game expects, the secondary windows open
// beside the game and close on Esc, and a relative XDG data home is not taken for the
// records. CTest gives it one screen of 1280 × 1024 (desktop_screens.json), as on the
// desktop where the windows covered the game.
#include "shell/records_file.h"
#include "tests/support/sample_records.h"
#include "tests/window/window_platform.h"
#include "ui/windows/hand_table_window.h"
#include "ui/windows/records_window.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QtTest>

using namespace tumblehand;

namespace {

/// What is on screen in a window now, as the window system holds it.
QImage screenOf(const QWidget& window) { return window.screen()->grabWindow(window.winId()).toImage(); }

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void theNamePromptsShowTheCardPutBackOnTheDeck() {
        // A game whose next pair cannot come in: the entry cells are taken. Its 500 points
        // come sixth in the records, where P6 stands.
        test::GameWindow game;
        QVERIFY(game.open());
        const std::string records = game.folder.filePath("data.dat").toStdString();
        QCOMPARE(saveRecordsFile(records, testing::sampleRecords(900, 100), RecordsStatus::Ok).error, "");
        game.key(Qt::Key_F2);
        for (int cell : {2, 7}) game.form.Mas(cell).Face = CardFace::Spade, game.form.Num(cell).Caption = "K";
        game.form.Score.Caption = "500";
        const QColor window(0xD8, 0xD4, 0xCB);
        QRect sliding;
        int inkAtGameOver = -1, inkAtPrompt = -1;
        test::DialogAnswerer answerer([&](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                // GAMEOVER: the card that could not come in is still where it stopped; its
                // inside only, as the well's border lies just below it.
                const ui::BoardView& view = *game.window.boardView();
                sliding = view.scale()
                              .rect(game.form.MoveCard.Left, game.form.MoveCard.Top, 480, 480)
                              .toAlignedRect()
                              .translated(view.mapTo(&game.window, QPoint(0, 0)))
                              .adjusted(3, 3, -3, -3);
                inkAtGameOver = test::inkIn(screenOf(game.window), sliding, window);
                box->accept();  // first, so that a failed check below leaves no question open
                // Plain text, no icon, and wide enough for its title beside three window buttons.
                const QFontMetrics metrics = box->fontMetrics();
                QVERIFY2(box->textFormat() == Qt::PlainText && box->icon() == QMessageBox::NoIcon &&
                             box->width() > metrics.horizontalAdvance(box->windowTitle()) + 4 * metrics.height(),
                         "the GAMEOVER box is too narrow, or not plain text");
            } else if (auto* input = qobject_cast<QInputDialog*>(&dialog)) {
                // The name prompt: the card is back on the deck, and the screen says so.
                inkAtPrompt = test::inkIn(screenOf(game.window), sliding, window);
                const QString preselected = input->findChild<QLineEdit*>()->selectedText();
                input->setTextValue("Tester");
                input->accept();
                // Two lines, and the name that stood there preselected.
                QCOMPARE(input->labelText(), QStringLiteral("6位\n名前を入力してください"));
                QCOMPARE(preselected, QStringLiteral("P6"));
            }
        });
        QTRY_VERIFY_WITH_TIMEOUT(inkAtPrompt >= 0, 20000);
        QVERIFY2(inkAtGameOver > 100, "the sliding card is seen at GAMEOVER");  // its suit and rank at least
        QCOMPARE(inkAtPrompt, 0);
    }

    void secondaryWindowsOpenBesideTheGameAndCloseOnEsc() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // At the left edge both go right of the game, level with it, one beyond the other;
        // in the middle, one each side (the frames measured on screen).
        for (const int x : {0, 405}) {
            test::GameWindow game;
            QVERIFY(game.open(QPoint(x, 0)));
            game.key(Qt::Key_F3);
            game.key(Qt::Key_F4);
            QWidget* windows[] = {game.window.handTableWindow(), game.window.recordsWindow()};
            const QRect main = game.window.frameGeometry();
            for (QWidget* secondary : windows) {
                QVERIFY(QTest::qWaitForWindowExposed(secondary));
                const QRect frame = secondary->frameGeometry();
                QVERIFY(!frame.intersects(main) && screen.contains(frame));
                if (x == 0) QVERIFY(frame.left() > main.right() && frame.top() == main.top());
            }
            // Windows of their own, which the desktop does not keep above the game; never
            // over each other.
            QVERIFY(!windows[0]->frameGeometry().intersects(windows[1]->frameGeometry()));
            QVERIFY(!windows[0]->parentWidget() && !windows[1]->windowHandle()->transientParent());
            if (x > 0) continue;
            // The game's keys pressed in a table drive the game: the falling pair moves.
            game.key(Qt::Key_F2);
            game.dealIn();
            const int column = game.form.state.FallingPair[1] % 5;
            QApplication::setActiveWindow(windows[1]);
            QTest::keyClick(windows[1], Qt::Key_Left);
            QCOMPARE(game.form.state.FallingPair[1] % 5, column - 1);
            // The player moves the table away and closes it with Esc: it opens again where they put it.
            windows[0]->move(600, 300);
            QApplication::setActiveWindow(windows[0]);
            QTest::keyClick(windows[0], Qt::Key_Escape);
            QVERIFY(!windows[0]->isVisible() && game.window.isVisible());
            game.key(Qt::Key_F3);
            QCOMPARE(windows[0]->pos(), QPoint(600, 300));
        }
    }

    void aRelativeXdgDataHomeIsIgnored() {
        // Qt would take it as it is. HOME and XDG_DATA_HOME are put back as they were after.
        const QByteArray home = qgetenv("HOME"), dataHome = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", home);
            dataHome.isEmpty() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", dataHome);
        });
        qputenv("XDG_DATA_HOME", "relative/data");
        qputenv("HOME", "/home/p/");
        QCOMPARE(QString::fromStdString(ui::QtPlatform().userDataFolder()), QStringLiteral("/home/p/.local/share"));
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
