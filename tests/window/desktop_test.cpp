// The game on a desktop: what the model changed before a dialog is on screen behind
// it, and the secondary windows open beside the game, not over the well, and close on Esc.
#include "board/form1.h"
#include "tests/window/layout_probe.h"
#include "ui/board_view.h"
#include "ui/hand_table_window.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/records_window.h"
#include "ui/secondary_placement.h"
#include "ui/twips_scale.h"

#include <QApplication>
#include <QFile>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace tumblehand;

namespace {

// The real dialogs, with the records file kept in a folder of the test's own.
class FolderPlatform : public ui::QtPlatform {
public:
    explicit FolderPlatform(const QString& folder) : folder_(folder.toStdString()) {}
    std::string programFolder() override { return folder_; }
    std::string userDataFolder() override { return folder_; }

private:
    std::string folder_;
};

struct Game {
    QTemporaryDir folder;
    FolderPlatform platform{folder.path()};
    Form1 form{platform};
    ui::MainWindow window{form, platform.modalTime()};

    explicit Game(QPoint at = {}) {
        platform.attach(window);
        window.load();
        window.move(at);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
        window.boardView()->setFocus();
    }

    /// What is on screen in the main window now, as the window system holds it.
    QImage screen() const { return window.screen()->grabWindow(window.winId()).toImage(); }
    /// A twips rectangle of the board in the main window's pixels.
    QRect pixels(double left, double top, double width, double height) const {
        const QRect inView = window.boardView()->scale().rect(left, top, width, height).toAlignedRect();
        return inView.translated(window.boardView()->mapTo(&window, QPoint(0, 0)));
    }
};

// Answers every dialog the game opens, one after another, with answer.
class DialogAnswerer : public QObject {
public:
    explicit DialogAnswerer(std::function<void(QDialog&)> answer) : answer_(std::move(answer)) {
        connect(&poll_, &QTimer::timeout, this, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QDialog*>(widget);
                if (dialog && dialog->isVisible() && dialog != last_.data()) {
                    last_ = dialog;
                    // Let the nested event loop deliver what is pending first.
                    QTimer::singleShot(50, dialog, [this, dialog] { answer_(*dialog); });
                }
            }
        });
        poll_.start(10);
    }

private:
    std::function<void(QDialog&)> answer_;
    QTimer poll_;
    QPointer<QDialog> last_;
};

QRect frameOf(QWidget& window) { return window.frameGeometry(); }

long long overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void theNamePromptsShowTheCardPutBackOnTheDeck() {
        // A game whose next pair cannot come in: the entry cells are taken.
        Game game;
        QTest::keyClick(game.window.boardView(), Qt::Key_F2);
        game.form.Mas(2).Face = game.form.Mas(7).Face = CardFace::Spade;
        game.form.Num(2).Caption = game.form.Num(7).Caption = "K";
        game.form.Score.Caption = "500";

        const QColor window(0xD8, 0xD4, 0xCB);
        QRect sliding;
        int inkAtGameOver = -1, inkAtPrompt = -1;
        DialogAnswerer answerer([&](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                // GAMEOVER: the card that could not come in is still where it stopped.
                // Its inside only: the well's border lies just below it.
                sliding = game.pixels(game.form.MoveCard.Left, game.form.MoveCard.Top, 480, 480).adjusted(3, 3, -3, -3);
                inkAtGameOver = test::inkIn(game.screen(), sliding, window);
                box->accept();
            } else if (auto* prompt = qobject_cast<QInputDialog*>(&dialog)) {
                // The name prompt: the card is back on the deck, and the screen says so.
                inkAtPrompt = test::inkIn(game.screen(), sliding, window);
                prompt->setTextValue(QStringLiteral("Tester"));
                prompt->accept();
            }
        });
        QTRY_VERIFY_WITH_TIMEOUT(inkAtPrompt >= 0, 20000);
        // Its suit and rank at least.
        QVERIFY2(inkAtGameOver > 100, "the sliding card is seen at GAMEOVER");
        QCOMPARE(inkAtPrompt, 0);
        QCOMPARE(game.form.MoveCard.Left, 2640);
    }

    void theQuitQuestionAnswersAtTheLetterPress() {
        // Closed at the press of N, so that the arrows pressed right after reach the game.
        ui::QtPlatform platform;
        bool closedAtOnce = false;
        DialogAnswerer answerer([&](QDialog& box) {
            QTest::keyClick(&box, Qt::Key_N);
            closedAtOnce = !box.isVisible();
            box.reject();
        });
        QVERIFY(!platform.askYesNo("本当に終了しますか？", "Tumblehand"));
        QVERIFY(closedAtOnce);
    }

    void secondaryWindowsOpenBesideTheGameAndCloseOnEsc() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(1280, 1024));

        // The game at the left edge: both windows go to its right, level with it.
        {
            Game game(QPoint(0, 0));
            QTest::keyClick(game.window.boardView(), Qt::Key_F3);
            QTest::keyClick(game.window.boardView(), Qt::Key_F4);
            for (QWidget* secondary : {static_cast<QWidget*>(game.window.handTableWindow()),
                                       static_cast<QWidget*>(game.window.recordsWindow())}) {
                QVERIFY(QTest::qWaitForWindowExposed(secondary));
                const QRect frame = frameOf(*secondary);
                QVERIFY(frame.left() > frameOf(game.window).right() && screen.contains(frame));
                QCOMPARE(frame.top(), frameOf(game.window).top());
            }
            // The player moves the table away and closes it with Esc: it opens again
            // where they put it.
            ui::HandTableWindow& table = *game.window.handTableWindow();
            table.move(600, 300);
            QApplication::setActiveWindow(&table);
            QTest::keyClick(&table, Qt::Key_Escape);
            QVERIFY(!table.isVisible() && game.window.isVisible());
            QTest::keyClick(game.window.boardView(), Qt::Key_F3);
            QCOMPARE(table.pos(), QPoint(600, 300));
        }
        // The game at the right edge: the records go to its left.
        {
            Game game(QPoint(screen.right() - 500, 100));
            QTest::keyClick(game.window.boardView(), Qt::Key_F4);
            QVERIFY(QTest::qWaitForWindowExposed(game.window.recordsWindow()));
            const QRect frame = frameOf(*game.window.recordsWindow());
            QVERIFY(frame.right() < frameOf(game.window).left() && screen.contains(frame));
        }
        // The game in the middle, as a window manager puts it, with no room for either
        // window on either side: they are smaller, but beside the game, one on each side.
        {
            Game game(QPoint(405, 100));
            QTest::keyClick(game.window.boardView(), Qt::Key_F3);
            QTest::keyClick(game.window.boardView(), Qt::Key_F4);
            ui::HandTableWindow& table = *game.window.handTableWindow();
            ui::RecordsWindow& records = *game.window.recordsWindow();
            QVERIFY(QTest::qWaitForWindowExposed(&table) && QTest::qWaitForWindowExposed(&records));
            for (QWidget* secondary : {static_cast<QWidget*>(&table), static_cast<QWidget*>(&records)}) {
                QVERIFY(!frameOf(*secondary).intersects(frameOf(game.window)) && screen.contains(frameOf(*secondary)));
                QVERIFY(secondary->width() < secondary->sizeHint().width() &&
                        secondary->width() >= secondary->sizeHint().width() / 2);
            }
            QVERIFY(!frameOf(table).intersects(frameOf(records)));
        }
        // No room on either side even at half the size: of every place on the screen, one
        // that hides the least of the well, found here by trying them all.
        const QRect main(250, 0, 780, 900), well(276, 120, 540, 760);
        const QSize size(584, 778);
        const QRect chosen = ui::besideMainWindow(size, QSize(0, 0), main, well, screen);
        long long least = overlap(chosen, well);
        for (int x = screen.left(); x + size.width() <= screen.right() + 1; x += 2) {
            for (int y = screen.top(); y + size.height() <= screen.bottom() + 1; y += 2) {
                least = std::min(least, overlap(QRect(QPoint(x, y), size), well));
            }
        }
        QVERIFY(screen.contains(chosen));
        QCOMPARE(overlap(chosen, well), least);
    }
};

int main(int argc, char* argv[]) {
    // One screen of 1280 × 1024, as on the desktop where the windows covered the game.
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(R"({"windowFrameMargins": true,
                   "screens": [{"name": "desk", "x": 0, "y": 0, "width": 1280, "height": 1024,
                                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_test.moc"
