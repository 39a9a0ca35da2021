// The board view draws the model where the layout puts it at any window size, between
// bars, with the multiplier covering no other text, and a player's name in the records is drawn as plain text. (Each
// label of the secondary windows at its place: model_windows_test.)
#include "tests/window/window_platform.h"
#include "ui/records_window.h"

#include <QtTest>

using namespace tumblehand;
using test::Expected;
using test::inkIn;

namespace {

bool isDark(QColor c) { return c.lightnessF() < 0.3; }

QImage render(QWidget& widget, QSize size) {
    widget.resize(size);
    return widget.grab().toImage();
}

/// The leftmost (or rightmost) column between the rows top and bottom where a differs clearly from b.
int edge(const QImage& a, const QImage& b, int top, int bottom, bool left) {
    int found = left ? a.width() : -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < a.width(); ++x)
            if (inkIn(a, QRect(x, y, 1, 1), b.pixelColor(x, y))) found = left ? std::min(found, x) : std::max(found, x);
    return found;
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
        test::ViewScene scene;
        // Cell 47 (bottom row, middle column) lies at 150 + 2 × 480, 510 + 9 × 480.
        scene.form.Mas(47).Face = CardFace::Heart;
        scene.form.Num(47).Caption = "Q";
        const QImage image = render(scene.view, size);
        const Expected e(size);
        const QColor background = image.pixelColor(e.at(60, 2000));
        QVERIFY2(background.lightnessF() > 0.7, "the window behind the controls is light");

        // The well: dark inside from edge to edge, the window right of and above it, and
        // the off-white card covering it in cell 47.
        for (QPoint p : {e.at(1335, 2900), e.at(200, 540), e.at(2540, 5300), e.at(1830, 5070)})
            QVERIFY(isDark(image.pixelColor(p)));
        const QRect cell47(e.at(1150, 4870), e.at(1550, 5270));
        QVERIFY(inkIn(image, cell47, Qt::white) < cell47.width() * cell47.height() / 2);
        QCOMPARE(image.pixelColor(e.at(2640, 4500)), background);
        QCOMPARE(image.pixelColor(e.at(1335, 420)), background);
        // Outside the client area only the bars show.
        if (e.left >= 2) QVERIFY(image.pixelColor(0, size.height() / 2) != background);
        if (e.top >= 2) QVERIFY(image.pixelColor(size.width() / 2, 0) != background);

        // The NEXT frame: nothing just left of it, a card back in each place.
        QCOMPARE(image.pixelColor(e.at(2700, 1700)), background);
        QVERIFY(inkIn(image, QRect(e.at(2880, 1200), e.at(3360, 1680)), background) > 20);
        QVERIFY(inkIn(image, QRect(e.at(2880, 1800), e.at(3360, 2280)), background) > 20);

        // The START label: black with white text, the window around it.
        QCOMPARE(image.pixelColor(e.at(2660, 2540)), QColor(Qt::black));
        QVERIFY(inkIn(image, QRect(e.at(2640, 2520), e.at(3494, 2774)), Qt::black) > 5);
        QCOMPARE(image.pixelColor(e.at(3067, 2440)), background);
        QCOMPARE(image.pixelColor(e.at(2600, 2640)), background);

        // The widest multiplier begins right of where SCORE and the longest score end,
        // and ends inside the window.
        const auto draw = [&](const char* caption, const char* score, const char* multiplier) {
            scene.form.Label1.Caption = caption, scene.form.Score.Caption = score,
            scene.form.Label2.Caption = multiplier;
            return render(scene.view, size);
        };
        const QImage none = draw("", "", ""), text = draw("SCORE", "99999999", ""),
                     all = draw("SCORE", "99999999", "×64");
        const int top = e.at(0, 5400).y(), bottom = e.at(0, 5685).y(), textEnd = edge(text, none, top, bottom, false);
        QVERIFY(textEnd > 0 && edge(all, text, top, bottom, true) > textEnd);
        QVERIFY(edge(all, text, top, bottom, false) < e.at(3525, 0).x());
    }

    void aRecordNameIsDrawnAsPlainText() {
        test::ViewScene scene;
        ui::RecordsWindow window(scene.form.form3());
        const QSize size(584, 778);
        const Expected e(size, 4380, 5835);
        const QRect name(e.at(240, 480), e.at(2200, 780));
        const QColor background = render(window, size).pixelColor(5, e.at(0, 3000).y());
        // Tags in a name are shown as characters, not obeyed: "<b>x</b>" inks far more than "x".
        std::string& caption = scene.form.form3().Label1[0].Caption;
        caption = "x";
        const int plain = inkIn(render(window, size), name, background);
        caption = "<b>x</b>";
        QVERIFY(plain > 0);
        QVERIFY2(inkIn(render(window, size), name, background) > 4 * plain, "the tags are obeyed");
    }
};

QTEST_MAIN(RenderTest)
#include "render_test.moc"
