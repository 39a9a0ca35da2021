// The game on a desktop: what the model changed before a dialog is on screen behind it,
// a message box is wide enough for its title, the quit question answers at the letter
// press, the secondary windows open beside the game and close on Esc, and the multiplier
// covers no other text.
#include "tests/window/layout_probe.h"
#include "ui/hand_table_window.h"
#include "ui/records_window.h"
#include "ui/secondary_placement.h"
#include "ui/twips_scale.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

using namespace tumblehand;

namespace {

struct Game : test::GameWindow<test::RealDialogPlatform> {
    explicit Game(QPoint at = {}) : GameWindow(at) { QVERIFY(QTest::qWaitForWindowExposed(&window)); }
    /// What is on screen in the main window now, as the window system holds it.
    QImage screen() const { return window.screen()->grabWindow(window.winId()).toImage(); }
};

long long overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

/// The leftmost (or rightmost) column between the rows top and bottom where a differs clearly from b.
int edge(const QImage& a, const QImage& b, int top, int bottom, bool left) {
    int found = left ? a.width() : -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < a.width(); ++x)
            if (test::inkIn(a, QRect(x, y, 1, 1), b.pixelColor(x, y))) found = left ? std::min(found, x) : std::max(found, x);
    return found;
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void theNamePromptsShowTheCardPutBackOnTheDeck() {
        // A game whose next pair cannot come in: the entry cells are taken.
        Game game;
        game.key(Qt::Key_F2);
        game.form.Mas(2).Face = game.form.Mas(7).Face = CardFace::Spade;
        game.form.Num(2).Caption = game.form.Num(7).Caption = "K";
        game.form.Score.Caption = "500";
        const QColor window(0xD8, 0xD4, 0xCB);
        QRect sliding;
        int inkAtGameOver = -1, inkAtPrompt = -1, roomBesideTitle = 0;
        test::DialogAnswerer answerer([&](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                // GAMEOVER: the card that could not come in is still where it stopped; its
                // inside only, as the well's border lies just below it.
                const ui::BoardView& view = *game.window.boardView();
                sliding = view.scale().rect(game.form.MoveCard.Left, game.form.MoveCard.Top, 480, 480).toAlignedRect()
                              .translated(view.mapTo(&game.window, QPoint(0, 0))).adjusted(3, 3, -3, -3);
                inkAtGameOver = test::inkIn(game.screen(), sliding, window);
                // The box is wide enough for its title beside an icon and three window buttons.
                const QFontMetrics metrics = box->fontMetrics();
                roomBesideTitle = box->width() - metrics.horizontalAdvance(box->windowTitle()) - 4 * metrics.height();
                box->accept();
            } else if (auto* prompt = qobject_cast<QInputDialog*>(&dialog)) {
                // The name prompt: the card is back on the deck, and the screen says so.
                inkAtPrompt = test::inkIn(game.screen(), sliding, window);
                prompt->setTextValue("Tester");
                prompt->accept();
            }
        });
        QTRY_VERIFY_WITH_TIMEOUT(inkAtPrompt >= 0, 20000);
        QVERIFY2(inkAtGameOver > 100, "the sliding card is seen at GAMEOVER");  // its suit and rank at least
        QCOMPARE(inkAtPrompt, 0);
        QVERIFY2(roomBesideTitle > 0, "the GAMEOVER box is too narrow for its title");
        QCOMPARE(game.form.MoveCard.Left, 2640);
    }

    void theQuitQuestionAnswersAtTheLetterPress() {
        // Closed at the press of N, so that the arrows pressed right after reach the game.
        ui::QtPlatform platform;
        bool closedAtOnce = false;
        test::DialogAnswerer answerer([&](QDialog& box) {
            QTest::keyClick(&box, Qt::Key_N);
            closedAtOnce = !box.isVisible();
            box.reject();
        });
        QVERIFY(!platform.askYesNo("本当に終了しますか？", "Tumblehand"));
        QVERIFY(closedAtOnce);
    }

    void secondaryWindowsOpenBesideTheGameAndCloseOnEsc() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        // At the left edge both go right of the game, level with it; at the right edge
        // left of it; in the middle, with room for neither whole, smaller, one each side.
        for (const int x : {0, screen.right() - 500, 405}) {
            Game game(QPoint(x, 0));
            game.key(Qt::Key_F3), game.key(Qt::Key_F4);
            QWidget* windows[] = {game.window.handTableWindow(), game.window.recordsWindow()};
            const QRect main = game.window.frameGeometry();
            for (QWidget* secondary : windows) {
                QVERIFY(QTest::qWaitForWindowExposed(secondary));
                const QRect frame = secondary->frameGeometry();
                QVERIFY(!frame.intersects(main) && screen.contains(frame));
                if (x == 0) QVERIFY(frame.left() > main.right() && frame.top() == main.top());
                if (x == 405) QVERIFY(secondary->width() < secondary->sizeHint().width() && secondary->width() >= secondary->sizeHint().width() / 2);
            }
            if (x > 405) QVERIFY(windows[1]->frameGeometry().right() < main.left());
            if (x == 405) QVERIFY(!windows[0]->frameGeometry().intersects(windows[1]->frameGeometry()));
            if (x > 0) continue;
            // The player moves the table away and closes it with Esc: it opens again where they put it.
            windows[0]->move(600, 300);
            QApplication::setActiveWindow(windows[0]);
            QTest::keyClick(windows[0], Qt::Key_Escape);
            QVERIFY(!windows[0]->isVisible() && game.window.isVisible());
            game.key(Qt::Key_F3);
            QCOMPARE(windows[0]->pos(), QPoint(600, 300));
        }
        // No room on either side even at half the size: of every place on the screen, one
        // that hides the least of the well, found here by trying them all.
        const QRect main(250, 0, 780, 900), well(276, 120, 540, 760);
        const QSize size(584, 778);
        const QRect chosen = ui::besideMainWindow(size, QSize(0, 0), main, well, screen);
        long long least = overlap(chosen, well);
        for (int x = screen.left(); x + size.width() <= screen.right() + 1; x += 2)
            for (int y = screen.top(); y + size.height() <= screen.bottom() + 1; y += 2)
                least = std::min(least, overlap(QRect(QPoint(x, y), size), well));
        QVERIFY(screen.contains(chosen));
        QCOMPARE(overlap(chosen, well), least);
    }

    void theMultiplierCoversNoOtherText() {
        // At any window size the widest multiplier begins right of where SCORE and the
        // longest score end, and ends inside the window.
        for (const QSize size : {QSize(470, 758), QSize(900, 600), QSize(300, 900)}) {
            test::ViewScene scene;
            scene.view.resize(size);
            const auto draw = [&](const char* caption, const char* score, const char* multiplier) {
                scene.form.Label1.Caption = caption, scene.form.Score.Caption = score, scene.form.Label2.Caption = multiplier;
                return scene.view.grab().toImage();
            };
            const QImage none = draw("", "", ""), text = draw("SCORE", "99999999", ""), all = draw("SCORE", "99999999", "×64");
            const test::Expected e(size);
            const int top = e.at(0, 5400).y(), bottom = e.at(0, 5685).y(), textEnd = edge(text, none, top, bottom, false);
            QVERIFY(textEnd > 0 && edge(all, text, top, bottom, true) > textEnd);
            QVERIFY(edge(all, text, top, bottom, false) < e.at(3525, 0).x());
        }
    }
};

int main(int argc, char* argv[]) {
    // One screen of 1280 × 1024, as on the desktop where the windows covered the game.
    QTemporaryDir folder;
    QFile file(folder.filePath("screens.json"));
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(R"({"windowFrameMargins": true,
                   "screens": [{"name": "desk", "x": 0, "y": 0, "width": 1280, "height": 1024,
                                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file.fileName()).toLocal8Bit());
    QApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_test.moc"
