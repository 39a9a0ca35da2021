// A change repaints only the areas it touches: a deal-in step repaints the sliding
// card's old and new place, a cell its cell, a caption its text however far the text
// runs. What is left on screen after such partial repaints is exactly what a full
// repaint draws.
#include "board/form1.h"
#include "tests/window/window_platform.h"
#include "ui/board_view.h"

#include <QImage>
#include <QPaintEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace tumblehand;

namespace {

// The mapping from twips to pixels, worked out here independently of the view.
struct Expected {
    double factor, left, top;
    explicit Expected(QSize size) {
        factor = std::min(size.width() / 3525.0, size.height() / 5685.0);
        left = (size.width() - 3525 * factor) / 2;
        top = (size.height() - 5685 * factor) / 2;
    }
    // The pixels that lie wholly inside the twips rectangle.
    QRect inside(double x, double y, double w, double h) const {
        const int x0 = static_cast<int>(std::ceil(left + x * factor));
        const int y0 = static_cast<int>(std::ceil(top + y * factor));
        const int x1 = static_cast<int>(std::floor(left + (x + w) * factor)) - 1;
        const int y1 = static_cast<int>(std::floor(top + (y + h) * factor)) - 1;
        return QRect(QPoint(x0, y0), QPoint(x1, y1));
    }
};

// Records the area of every paint event the view receives.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
            ++paints;
        }
        return false;
    }
    void clear() {
        painted = QRegion();
        paints = 0;
    }
    QRegion painted;
    int paints = 0;
};

bool covers(const QRegion& region, const QRect& rect) {
    return QRegion(rect).subtracted(region).isEmpty();
}

long long area(const QRegion& region) {
    long long total = 0;
    for (const QRect& r : region) total += static_cast<long long>(r.width()) * r.height();
    return total;
}

bool procedures() {
    test::WindowPlatform platform("/nonexistent");
    Form1 form{platform};
    form.Form_Load();
    form.Start_Click();
    return form.Timer2.Enabled();
}

struct Scene {
    QTemporaryDir folder;
    test::WindowPlatform platform{folder.path().toStdString()};
    Form1 form{platform};
    ui::BoardView view{form};
    PaintRecorder recorder{view};
    const QSize size{470, 758};
    const Expected e{size};

    Scene() {
        form.Form_Load();
        view.resize(size);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        settle();
    }

    // Delivers the repaints asked for so far, and forgets them.
    void settle() {
        view.repaintChanges();
        QCoreApplication::processEvents();
        recorder.clear();
    }

    // Asks for the changes to be repainted and delivers the paints.
    bool repaint() {
        const bool asked = view.repaintChanges();
        QCoreApplication::processEvents();
        return asked;
    }

    // What the screen shows now, and what a full repaint draws.
    QImage onScreen() { return view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32); }
    QImage fullRepaint() { return view.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QRect cardRect(const Picture& card) const {
        return e.inside(card.Left, card.Top, card.Width, card.Height > 0 ? card.Height : 480);
    }
};

}  // namespace

class RepaintTest : public QObject {
    Q_OBJECT

private slots:
    void nothingChangedPaintsNothing() {
        Scene scene;
        QVERIFY(!scene.repaint());
        QCOMPARE(scene.recorder.paints, 0);
        // A tag is not drawn: changing it paints nothing either.
        scene.form.Num(12).Tag = "7";
        QVERIFY(!scene.repaint());
        QCOMPARE(scene.recorder.paints, 0);
    }

    void aDealInStepRepaintsTheSlidingCardOnly() {
        if (!procedures()) QSKIP("the play procedures are not in this build yet");
        Scene scene;
        scene.form.Start_Click();
        scene.form.Timer2_Timer();
        scene.settle();
        const QRect before = scene.cardRect(scene.form.MoveCard);
        const int leftBefore = scene.form.MoveCard.Left;
        scene.form.Timer2_Timer();
        QVERIFY2(scene.form.MoveCard.Left != leftBefore, "the card slides on this step");
        const QRect after = scene.cardRect(scene.form.MoveCard);

        QVERIFY(scene.repaint());
        QVERIFY(scene.recorder.paints > 0);
        QVERIFY2(covers(scene.recorder.painted, before), "the place the card left is repainted");
        QVERIFY2(covers(scene.recorder.painted, after), "the place it moved to is repainted");
        const long long window = static_cast<long long>(scene.size.width()) * scene.size.height();
        QVERIFY2(area(scene.recorder.painted) * 10 < window, "far less than the window is repainted");
        // The bottom of the well is nowhere near the deck.
        QVERIFY(!scene.recorder.painted.intersects(scene.e.inside(150, 4830, 2400, 480)));
        QCOMPARE(scene.onScreen(), scene.fullRepaint());
    }

    void aCellRepaintsThatCell() {
        Scene scene;
        scene.form.Mas(47).Face = CardFace::Heart;
        scene.form.Num(47).Caption = "Q";
        QVERIFY(scene.repaint());
        // Cell 47 (bottom row, middle column) lies at 150 + 2 × 480, 510 + 9 × 480.
        const QRect cell47 = scene.e.inside(1110, 4830, 480, 480);
        QVERIFY(covers(scene.recorder.painted, cell47));
        // Cell 40, at the other side of the well, is not repainted.
        QVERIFY(!scene.recorder.painted.intersects(scene.e.inside(150, 4350, 480, 480)));
        QCOMPARE(scene.onScreen(), scene.fullRepaint());

        // Emptied again, the cell is repainted once more and the well shows through.
        scene.recorder.clear();
        scene.form.Mas(47).Face = CardFace::Empty;
        scene.form.Num(47).Caption.clear();
        QVERIFY(scene.repaint());
        QVERIFY(covers(scene.recorder.painted, cell47));
        QCOMPARE(scene.onScreen(), scene.fullRepaint());
    }

    void aCaptionRepaintsAllOfItsText() {
        Scene scene;
        Label& score = scene.form.Score;
        score.Caption = "1";
        QVERIFY(scene.repaint());
        QVERIFY(covers(scene.recorder.painted, scene.e.inside(score.Left, score.Top, 100, score.Height)));
        QCOMPARE(scene.onScreen(), scene.fullRepaint());

        // A score wider than its label runs past it; all of it is drawn, and when it
        // shrinks again all of it is wiped.
        scene.recorder.clear();
        score.Caption = "88888888888888";
        QVERIFY(scene.repaint());
        QVERIFY(covers(scene.recorder.painted, scene.e.inside(score.Left, score.Top, score.Width, score.Height)));
        QCOMPARE(scene.onScreen(), scene.fullRepaint());
        score.Caption = "2";
        QVERIFY(scene.repaint());
        QCOMPARE(scene.onScreen(), scene.fullRepaint());

        // A centred caption, and a colour change alone.
        scene.form.YakuL.Caption = "ロイヤルストレートフラッシュ";
        QVERIFY(scene.repaint());
        QCOMPARE(scene.onScreen(), scene.fullRepaint());
        scene.recorder.clear();
        scene.form.YakuL.ForeColor = colors::Red;
        QVERIFY(scene.repaint());
        const Label& yaku = scene.form.YakuL;
        QVERIFY(covers(scene.recorder.painted,
                       scene.e.inside(yaku.Left + yaku.Width / 4, yaku.Top, yaku.Width / 2, yaku.Height)));
        QCOMPARE(scene.onScreen(), scene.fullRepaint());
    }

    void aWholeDealInLeavesTheSamePictureAsAFullRepaint() {
        if (!procedures()) QSKIP("the play procedures are not in this build yet");
        Scene scene;
        scene.form.Start_Click();
        // Every step repainted in part; the screen never differs from a full repaint.
        for (int n = 0; n < 80 && !scene.form.Timer1.Enabled(); ++n) {
            scene.form.Timer2_Timer();
            scene.repaint();
            if (n % 6 == 0) QCOMPARE(scene.onScreen(), scene.fullRepaint());
        }
        QVERIFY(scene.form.Timer1.Enabled());
        for (int n = 0; n < 12; ++n) {
            scene.form.Timer1_Timer();
            scene.repaint();
        }
        QCOMPARE(scene.onScreen(), scene.fullRepaint());
    }
};

QTEST_MAIN(RepaintTest)
#include "repaint_test.moc"
