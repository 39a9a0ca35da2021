// The board view, hand table and records window draw the model where the layout puts
// it, at any window size, and draw every caption as plain text.
#include "board/form1.h"
#include "tests/window/window_platform.h"
#include "ui/board_view.h"
#include "ui/records_window.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace tumblehand;

namespace {

// The expected mapping, worked out here independently of the view's own code.
struct Expected {
    double factor, left, top;
    Expected(QSize size) {
        factor = std::min(size.width() / 3525.0, size.height() / 5685.0);
        left = (size.width() - 3525 * factor) / 2;
        top = (size.height() - 5685 * factor) / 2;
    }
    QPoint at(double x, double y) const {
        return QPoint(static_cast<int>(std::floor(left + x * factor)),
                      static_cast<int>(std::floor(top + y * factor)));
    }
};

bool isDark(QColor c) { return c.lightnessF() < 0.3; }
bool isLight(QColor c) { return c.lightnessF() > 0.7; }

// Pixels in rect (widget coordinates) that differ clearly from background.
int inkIn(const QImage& image, QRect rect, QColor background) {
    int count = 0;
    rect = rect.intersected(image.rect());
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green()) +
                    std::abs(c.blue() - background.blue()) > 120) {
                ++count;
            }
        }
    }
    return count;
}

QImage render(QWidget& widget, QSize size) {
    widget.resize(size);
    return widget.grab().toImage();
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
        test::WindowPlatform platform(folder_.path().toStdString());
        Form1 form{platform};
        form.Form_Load();
        ui::BoardView view(form);
        const QImage image = render(view, size);
        const Expected e(size);
        const QColor background = image.pixelColor(e.at(60, 2000));
        QVERIFY2(isLight(background), "the window behind the controls is light");

        // The empty well: dark inside, from its left edge to its right edge.
        QVERIFY(isDark(image.pixelColor(e.at(1335, 2900))));
        QVERIFY(isDark(image.pixelColor(e.at(200, 540))));
        QVERIFY(isDark(image.pixelColor(e.at(2540, 5300))));
        QCOMPARE(image.pixelColor(e.at(2640, 4500)), background);  // right of the well
        QCOMPARE(image.pixelColor(e.at(1335, 420)), background);   // above it

        // Outside the client area only the bars show.
        if (e.left >= 2) QVERIFY(image.pixelColor(0, size.height() / 2) != background);
        if (e.top >= 2) QVERIFY(image.pixelColor(size.width() / 2, 0) != background);

        // The NEXT frame: its left rule at x 2760, nothing just outside it, a card back inside.
        const QPoint frameEdge = e.at(2760, 1700);
        bool ruleFound = false;
        for (int dx = -1; dx <= 2; ++dx) {
            if (image.pixelColor(frameEdge + QPoint(dx, 0)) != background) ruleFound = true;
        }
        QVERIFY2(ruleFound, "the frame's left rule is drawn at its scaled position");
        QCOMPARE(image.pixelColor(e.at(2700, 1700)), background);
        QVERIFY(inkIn(image, QRect(e.at(2880, 1200), e.at(3360, 1680)), background) > 20);
        QVERIFY(inkIn(image, QRect(e.at(2880, 1800), e.at(3360, 2280)), background) > 20);
        // Its caption sits over the top rule.
        QVERIFY(inkIn(image, QRect(e.at(2880, 960), e.at(3300, 1100)), background) > 0);

        // The START label: black with white text, and the window around it.
        QCOMPARE(image.pixelColor(e.at(2660, 2540)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(e.at(3470, 2750)), QColor(Qt::black));
        QVERIFY(inkIn(image, QRect(e.at(2640, 2520), e.at(3494, 2774)), Qt::black) > 5);
        QCOMPARE(image.pixelColor(e.at(3067, 2440)), background);
        QCOMPARE(image.pixelColor(e.at(2600, 2640)), background);
    }

    void cardsShowWhereTheModelPutsThem() {
        test::WindowPlatform platform(folder_.path().toStdString());
        Form1 form{platform};
        form.Form_Load();
        ui::BoardView view(form);
        const QSize size(470, 758);
        const Expected e(size);
        // Cell 47 (bottom row, middle column) lies at 150 + 2 × 480, 510 + 9 × 480.
        const QRect cell47(e.at(1110 + 40, 4830 + 40), e.at(1590 - 40, 5310 - 40));
        const QImage empty = render(view, size);
        const int emptyInk = inkIn(empty, cell47, QColor(Qt::white));
        form.Mas(47).Face = CardFace::Heart;
        form.Num(47).Caption = "Q";
        const QImage filled = render(view, size);
        QVERIFY2(inkIn(filled, cell47, QColor(Qt::white)) < emptyInk / 2,
                 "an off-white card covers the dark well in its cell");
        // Its neighbour stays empty.
        QCOMPARE(filled.pixelColor(e.at(1830, 5070)), empty.pixelColor(e.at(1830, 5070)));
    }

    void slidingCardIsSqueezedAroundItsCentre() {
        test::WindowPlatform platform(folder_.path().toStdString());
        Form1 form{platform};
        form.Form_Load();
        ui::BoardView view(form);
        const QSize size(470, 758);
        const Expected e(size);
        form.MoveCard.Left = 1080;
        const QImage full = render(view, size);
        const QColor background = full.pixelColor(e.at(60, 2000));
        QVERIFY(inkIn(full, QRect(e.at(1100, 100), e.at(1180, 380)), background) > 20);
        // Squeezed to 20 twips at Left 1310: the sides are bare, the middle still drawn.
        form.MoveCard.Left = 1310;
        form.MoveCard.Width = 20;
        const QImage narrow = render(view, size);
        QCOMPARE(inkIn(narrow, QRect(e.at(1100, 100), e.at(1250, 380)), background), 0);
        QCOMPARE(inkIn(narrow, QRect(e.at(1370, 100), e.at(1540, 380)), background), 0);
        QVERIFY(inkIn(narrow, QRect(e.at(1300, 100), e.at(1340, 380)), background) > 0);
    }

    void hiddenControlsAreNotDrawn() {
        test::WindowPlatform platform(folder_.path().toStdString());
        Form1 form{platform};
        form.Form_Load();
        ui::BoardView view(form);
        const QSize size(470, 758);
        const Expected e(size);
        const QRect gscore(e.at(1200, 250), e.at(1560, 460));
        const QImage before = render(view, size);
        const QColor background = before.pixelColor(e.at(60, 2000));
        form.Gscore.Caption = "88888";
        QCOMPARE(inkIn(render(view, size), gscore, background), 0);  // hidden at design time
        form.Gscore.Visible = true;
        QVERIFY(inkIn(render(view, size), gscore, background) > 10);
    }

    void captionsAreDrawnAsPlainText() {
        test::WindowPlatform platform(folder_.path().toStdString());
        Form1 form{platform};
        form.Form_Load();
        ui::BoardView view(form);
        const QSize size(470, 758);
        const Expected e(size);
        const QRect yakul(e.at(120, 0), e.at(2535, 240));
        const QColor background = render(view, size).pixelColor(e.at(60, 2000));
        form.YakuL.Caption = "x";
        const int plain = inkIn(render(view, size), yakul, background);
        form.YakuL.Caption = "<b>x</b>";
        const int tagged = inkIn(render(view, size), yakul, background);
        QVERIFY(plain > 0);
        QVERIFY2(tagged > 4 * plain, "the tags are shown as characters, not obeyed");
    }

    void recordsWindowShowsNamesAsTyped() {
        test::WindowPlatform platform(folder_.path().toStdString());
        Form1 form{platform};
        form.Form_Load();
        ui::RecordsWindow window(form);
        const QSize size(584, 778);
        const double factor = std::min(size.width() / 4380.0, size.height() / 5835.0);
        const QRect name(QPoint(static_cast<int>(240 * factor), static_cast<int>(480 * factor)),
                         QPoint(static_cast<int>(2200 * factor), static_cast<int>(780 * factor)));
        Form3& records = form.form3();
        const QColor background = render(window, size).pixelColor(5, static_cast<int>(3000 * factor));
        records.Label1[0].Caption = "x";
        const int plain = inkIn(render(window, size), name, background);
        records.Label1[0].Caption = "<b>x</b>";
        const int tagged = inkIn(render(window, size), name, background);
        QVERIFY(plain > 0);
        QVERIFY2(tagged > 4 * plain, "a name with tags shows its tags");
        // Place 1 is red.
        QImage image = render(window, size);
        bool red = false;
        for (int y = name.top(); y <= name.bottom(); ++y) {
            for (int x = name.left(); x <= name.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 80 && c.blue() < 80) red = true;
            }
        }
        QVERIFY(red);
    }

private:
    QTemporaryDir folder_;
};

QTEST_MAIN(RenderTest)
#include "render_test.moc"
