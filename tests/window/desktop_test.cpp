// The game on a desktop: what the model changed before a dialog is on screen behind it,
// a message and the name prompt look as the game expects, the secondary windows open
// beside the game and close on Esc, a save waits for another copy with the window
// answering, a window destroyed from outside counts as closed, and the player's data folder
// is found without HOME and despite a relative XDG data home. CTest gives it one screen of 1280 × 1024
// (desktop_screens.json), as on the desktop where the windows covered the game.
#include "shell/records_entries.h"
#include "shell/records_file.h"
#include "shell/records_lock.h"
#include "tests/support/sample_records.h"
#include "tests/window/window_platform.h"
#include "ui/app/destroyed_windows.h"
#include "ui/windows/hand_table_window.h"
#include "ui/windows/records_window.h"

#include <QAbstractButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScreen>
#include <QtTest>

#include <array>

#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tumblehand;

namespace {

/// What is on screen in a window now, as the window system holds it.
QImage screenOf(const QWidget& window) { return window.screen()->grabWindow(window.winId()).toImage(); }

}  // namespace

// Starts a game whose next pair cannot come in (the entry cells are taken), scoring points.
static void endingGame(test::GameWindow& game, const char* points) {
    game.key(Qt::Key_F2);
    for (int cell : {2, 7}) game.form.Mas(cell).Face = CardFace::Spade, game.form.Num(cell).Caption = "K";
    game.form.Score.Caption = points;
}

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
        endingGame(game, "500");
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

    void aSaveWaitsForAnotherCopyWithTheWindowAnswering() {
        // Another copy (a child process) holds the records' lock. The window goes on answering
        // (its dialogs are answered, F4 reaches no procedure), tells the player after a while,
        // and saves after the other copy's save.
        test::GameWindow game;
        QVERIFY(game.open());
        const std::string records = game.folder.filePath("data.dat").toStdString();
        int held[2], go[2];
        QVERIFY(::pipe(held) == 0 && ::pipe(go) == 0);
        const pid_t other = ::fork();
        if (other == 0) {
            RecordsLock lock(records);
            char byte = 0;
            if (::write(held[1], "h", 1) != 1 || ::read(go[0], &byte, 1) != 1) ::_exit(2);
            ::_exit(saveRecordsEntries(lock, {TopTenEntry{{"15000", true}, "Bee"}, {}, {}}).error.empty() ? 0 : 1);
        }
        char byte = 0;
        QCOMPARE(::read(held[0], &byte, 1), 1);
        endingGame(game, "500");
        bool told = false, recordsShown = true;
        test::DialogAnswerer answerer([&](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            if (auto* input = qobject_cast<QInputDialog*>(&dialog)) {
                input->setTextValue("Ay");
                input->accept();
            } else if (box->escapeButton() && box->escapeButton()->text() == "待たずに保存") {
                game.key(Qt::Key_F4);
                recordsShown = game.window.recordsWindow() != nullptr;
                told = ::write(go[1], "s", 1) == 1;
            } else {
                box->accept();
            }
        });
        QTRY_VERIFY_WITH_TIMEOUT(told, 20000);
        QVERIFY2(!recordsShown, "F4 reached the game while it waited");
        const auto names = [&] {
            const Records file = readRecordsFile(records).records;
            return file.names[0] + file.names[1];
        };
        QTRY_COMPARE_WITH_TIMEOUT(names(), std::string("BeeAy"), 10000);
        int status = -1;
        ::waitpid(other, &status, 0);
        QCOMPARE(status, 0);
        for (int fd : {held[0], held[1], go[0], go[1]}) ::close(fd);
    }

    void aWindowDestroyedFromOutsideCountsAsClosed() {
        test::GameWindow game;
        QVERIFY(game.open());
        // The records window comes anew with F4.
        game.key(Qt::Key_F4);
        QPointer<QWidget> records = game.window.recordsWindow();
        QVERIFY(records && records->isVisible());
        ui::DestroyedWindows::treatAsClosed(*records, &game.window);
        QTRY_VERIFY(!records);
        QApplication::setActiveWindow(&game.window);
        game.key(Qt::Key_F4);
        QTRY_VERIFY(game.window.recordsWindow() && game.window.recordsWindow()->isVisible());
        // A name prompt asks again; the name given then is saved.
        endingGame(game, "500");
        int prompts = 0;
        test::DialogAnswerer answerer([&](QDialog& dialog) {
            if (auto* input = qobject_cast<QInputDialog*>(&dialog); input && ++prompts == 1) {
                ui::DestroyedWindows::treatAsClosed(dialog, &game.window);
            } else if (input) {
                input->setTextValue("Ay");
                input->accept();
            } else {
                ui::DestroyedWindows::treatAsClosed(dialog, &game.window);  // GAMEOVER taken as read
            }
        });
        const std::string file = game.folder.filePath("data.dat").toStdString();
        QTRY_COMPARE_WITH_TIMEOUT(readRecordsFile(file).records.names[0], std::string("Ay"), 20000);
        QCOMPARE(prompts, 2);
        // The main window closes, and the records window with it.
        ui::DestroyedWindows::treatAsClosed(game.window, &game.window);
        QVERIFY(!game.window.isVisible() && !game.window.recordsWindow()->isVisible());
    }

    void thePlayersDataFolder() {
        // A relative XDG_DATA_HOME is ignored (Qt would take it as it is); without HOME the
        // account's home from the password database (Qt would take the root folder).
        const QByteArray home = qgetenv("HOME"), dataHome = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] {
            home.isNull() ? qunsetenv("HOME") : qputenv("HOME", home);
            dataHome.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", dataHome);
        });
        const QString account = QString::fromLocal8Bit(::getpwuid(::getuid())->pw_dir);
        const std::array<std::array<const char*, 2>, 3> cases{
            {{"relative/data", "/home/p/"}, {nullptr, nullptr}, {"", ""}}};
        for (const auto& [xdg, homeSet] : cases) {
            xdg ? qputenv("XDG_DATA_HOME", xdg) : qunsetenv("XDG_DATA_HOME");
            homeSet ? qputenv("HOME", homeSet) : qunsetenv("HOME");
            QCOMPARE(QString::fromStdString(ui::QtPlatform().userDataFolder()),
                     QDir::cleanPath((homeSet && *homeSet ? QStringLiteral("/home/p") : account) + "/.local/share"));
        }
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
