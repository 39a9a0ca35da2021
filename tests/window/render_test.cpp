// The board view and the records window draw the model where the layout puts it, at
// any window size, and draw every caption as plain text.
#include "tests/window/layout_probe.h"
#include "ui/records_window.h"

#include <QtTest>

#include <string>

using namespace tumblehand;
using test::Expected;
using test::inkIn;

namespace {

bool isDark(QColor c) { return c.lightnessF() < 0.3; }

QImage render(QWidget& widget, QSize size) {
    widget.resize(size);
    return widget.grab().toImage();
}

struct Scene : test::ViewScene {
    QImage draw() { return render(view, size); }
    QColor background() { return draw().pixelColor(e.at(60, 2000)); }
};

// Tags in a caption are shown as characters, not obeyed: "<b>x</b>" inks far more than "x".
void tagsShowLiterally(QWidget& widget, QSize size, QRect rect, QColor background, std::string& caption) {
    caption = "x";
    const int plain = inkIn(render(widget, size), rect, background);
    caption = "<b>x</b>";
    QVERIFY(plain > 0);
    QVERIFY2(inkIn(render(widget, size), rect, background) > 4 * plain, "the tags are obeyed");
}

}  // namespace

class RenderTest : public QObject {
    Q_OBJECT

private slots:
    void layoutScalesWithTheWindow_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("opening size") << QSize(470, 758);
        QTest::newRow("wide, bars left and right") << QSize(900, 600);
        QTest::newRow("tall, bars above and below") << QSize(300, 900);
    }

    void layoutScalesWithTheWindow() {
        QFETCH(QSize, size);
        Scene scene;
        const QImage image = render(scene.view, size);
        const Expected e(size);
        const QColor background = image.pixelColor(e.at(60, 2000));
        QVERIFY2(background.lightnessF() > 0.7, "the window behind the controls is light");

        // The empty well: dark inside from edge to edge, the window right of and above it.
        for (QPoint p : {e.at(1335, 2900), e.at(200, 540), e.at(2540, 5300)}) QVERIFY(isDark(image.pixelColor(p)));
        QCOMPARE(image.pixelColor(e.at(2640, 4500)), background);
        QCOMPARE(image.pixelColor(e.at(1335, 420)), background);
        // Outside the client area only the bars show.
        if (e.left >= 2) QVERIFY(image.pixelColor(0, size.height() / 2) != background);
        if (e.top >= 2) QVERIFY(image.pixelColor(size.width() / 2, 0) != background);

        // The NEXT frame: its left rule at x 2760, nothing just outside it, a card back
        // in each place and the caption over the top rule.
        bool ruleFound = false;
        for (int dx = -1; dx <= 2; ++dx) ruleFound |= image.pixelColor(e.at(2760, 1700) + QPoint(dx, 0)) != background;
        QVERIFY2(ruleFound, "the frame's left rule is drawn at its scaled position");
        QCOMPARE(image.pixelColor(e.at(2700, 1700)), background);
        QVERIFY(inkIn(image, QRect(e.at(2880, 1200), e.at(3360, 1680)), background) > 20);
        QVERIFY(inkIn(image, QRect(e.at(2880, 1800), e.at(3360, 2280)), background) > 20);
        QVERIFY(inkIn(image, QRect(e.at(2880, 960), e.at(3300, 1100)), background) > 0);

        // The START label: black with white text, the window around it.
        QCOMPARE(image.pixelColor(e.at(2660, 2540)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(e.at(3470, 2750)), QColor(Qt::black));
        QVERIFY(inkIn(image, QRect(e.at(2640, 2520), e.at(3494, 2774)), Qt::black) > 5);
        QCOMPARE(image.pixelColor(e.at(3067, 2440)), background);
        QCOMPARE(image.pixelColor(e.at(2600, 2640)), background);
    }

    void cardsAndLabelsShowWhereTheModelPutsThem() {
        Scene scene;
        const Expected& e = scene.e;
        const QColor background = scene.background();
        // Cell 47 (bottom row, middle column) lies at 150 + 2 × 480, 510 + 9 × 480: an
        // off-white card covers the dark well there, and its neighbour stays empty.
        const QRect cell47(e.at(1150, 4870), e.at(1550, 5270));
        const QImage empty = scene.draw();
        scene.form.Mas(47).Face = CardFace::Heart;
        scene.form.Num(47).Caption = "Q";
        const QImage filled = scene.draw();
        QVERIFY(inkIn(filled, cell47, Qt::white) < inkIn(empty, cell47, Qt::white) / 2);
        QCOMPARE(filled.pixelColor(e.at(1830, 5070)), empty.pixelColor(e.at(1830, 5070)));


        // A hidden label is not drawn, whatever its caption.
        const QRect gscore(e.at(1200, 250), e.at(1560, 460));
        scene.form.Gscore.Caption = "88888";
        QCOMPARE(inkIn(scene.draw(), gscore, background), 0);
        scene.form.Gscore.Visible = true;
        QVERIFY(inkIn(scene.draw(), gscore, background) > 10);
    }

    void captionsAndRecordNamesAreDrawnAsPlainText() {
        Scene scene;
        tagsShowLiterally(scene.view, scene.size, QRect(scene.e.at(120, 0), scene.e.at(2535, 240)),
                          scene.background(), scene.form.YakuL.Caption);

        ui::RecordsWindow window(scene.form.form3());
        const QSize size(584, 778);
        const Expected e(size, 4380, 5835);
        const QRect name(e.at(240, 480), e.at(2200, 780));
        const QColor background = render(window, size).pixelColor(5, e.at(0, 3000).y());
        tagsShowLiterally(window, size, name, background, scene.form.form3().Label1[0].Caption);
        // Place 1 is red.
        const QImage image = render(window, size);
        bool red = false;
        for (int y = name.top(); y <= name.bottom(); ++y) {
            for (int x = name.left(); x <= name.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red |= c.red() > 200 && c.green() < 80 && c.blue() < 80;
            }
        }
        QVERIFY(red);
    }
};

QTEST_MAIN(RenderTest)
#include "render_test.moc"
