// A change repaints only the areas it touches, and what is left on screen after such
// partial repaints is exactly what a full repaint draws.
#include "tests/window/window_platform.h"

#include <QPaintEvent>
#include <QScreen>
#include <QtTest>

#include <utility>

using namespace tumblehand;

namespace {

// Records the area of every paint event the view receives.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
    QRegion painted;
};

bool covers(const QRegion& region, const QRect& rect) { return QRegion(rect).subtracted(region).isEmpty(); }

struct Scene : test::ViewScene {
    PaintRecorder recorder{view};

    Scene() {
        view.resize(size);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        repaint();
    }

    // Forgets the paints so far, asks for the changes to be repainted and delivers them.
    bool repaint() {
        recorder.painted = QRegion();
        const bool asked = view.repaintChanges();
        QCoreApplication::processEvents();
        return asked;
    }

    // The screen after partial repaints shows what a full repaint draws.
    bool screenIsWhole() {
        const auto rgb = [](const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); };
        return rgb(view.screen()->grabWindow(view.winId()).toImage()) == rgb(view.grab().toImage());
    }

    QRect cardRect(const Picture& card) const {
        return e.inside(card.Left, card.Top, card.Width, card.Height > 0 ? card.Height : 480);
    }
};

}  // namespace

class RepaintTest : public QObject {
    Q_OBJECT

private slots:
    void aCellOrACaptionRepaintsItsOwnArea() {
        Scene scene;
        // Nothing changed paints nothing; a tag is not drawn, so changing one paints nothing either.
        scene.form.Num(12).Tag = "7";
        QVERIFY(!scene.repaint());
        QVERIFY(scene.recorder.painted.isEmpty());
        // Cell 47 (bottom row, middle column) lies at 150 + 2 × 480, 510 + 9 × 480; cell 40
        // at the other side of the well is left alone. Filled, then emptied again.
        for (const CardFace face : {CardFace::Heart, CardFace::Empty}) {
            scene.form.Mas(47).Face = face;
            scene.form.Num(47).Caption = face == CardFace::Empty ? "" : "Q";
            QVERIFY(scene.repaint());
            QVERIFY(covers(scene.recorder.painted, scene.e.inside(1110, 4830, 480, 480)));
            QVERIFY(!scene.recorder.painted.intersects(scene.e.inside(150, 4350, 480, 480)));
            QVERIFY(scene.screenIsWhole());
        }

        // A score wider than its label runs past it: all of it is drawn, and when it
        // shrinks again all of it is wiped.
        Label& score = scene.form.Score;
        for (const auto& [caption, width] : std::initializer_list<std::pair<const char*, int>>{
                 {"1", 100}, {"88888888888888", score.Width}, {"2", 100}}) {
            score.Caption = caption;
            QVERIFY(scene.repaint());
            QVERIFY(covers(scene.recorder.painted, scene.e.inside(score.Left, score.Top, width, score.Height)));
            QVERIFY(scene.screenIsWhole());
        }
    }

    void aDealInRepaintsTheSlidingCardOnlyAndLeavesTheWholePicture() {
        Scene scene;
        scene.form.Start_Click();
        for (int n = 0; n < 80 && !scene.form.Timer1.Enabled(); ++n) {
            const QRect before = scene.cardRect(scene.form.MoveCard);
            scene.form.Timer2_Timer();
            const QRect after = scene.cardRect(scene.form.MoveCard);
            scene.repaint();
            if (n == 1) {
                // The card slides on this step: its old and new places are repainted, and
                // far less than the window, never the bottom row.
                const QRegion& painted = scene.recorder.painted;
                QVERIFY(after != before && covers(painted, before) && covers(painted, after));
                long long area = 0;
                for (const QRect& r : painted) area += static_cast<long long>(r.width()) * r.height();
                QVERIFY(area * 10 < scene.size.width() * scene.size.height());
                QVERIFY(!painted.intersects(scene.e.inside(150, 4830, 2400, 480)));
            }
            if (n % 6 == 1) QVERIFY(scene.screenIsWhole());
        }
        QVERIFY(scene.form.Timer1.Enabled());
        for (int n = 0; n < 12; ++n) {
            scene.form.Timer1_Timer();
            scene.repaint();
        }
        QVERIFY(scene.screenIsWhole());
    }
};

QTEST_MAIN(RepaintTest)
#include "repaint_test.moc"
