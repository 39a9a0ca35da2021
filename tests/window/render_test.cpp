// The windows draw their models: the board where the layout puts it at any window size,
// between bars, with the multiplier covering no other text; the hand table and the records
// each label of their models at its place and nothing else but their rules, a name as plain
// text. What is left on screen after a change's partial repaints is exactly what a full
// repaint draws.
#include "tests/window/window_platform.h"
#include "ui/windows/hand_table_window.h"
#include "ui/windows/records_window.h"

#include <QScreen>
#include <QtTest>

#include <algorithm>
#include <type_traits>
#include <vector>

using namespace tumblehand;
using namespace tumblehand::test;

namespace {

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

/// The leftmost (or rightmost) column between the rows top and bottom where a differs clearly from b.
int edge(const QImage& a, const QImage& b, int top, int bottom, bool left) {
    int found = left ? a.width() : -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < a.width(); ++x)
            if (inkIn(a, QRect(x, y, 1, 1), b.pixelColor(x, y))) found = left ? std::min(found, x) : std::max(found, x);
    return found;
}

// Text is centred on its label's middle and may reach a little past the label (a line
// of text is taller than the smaller labels); rules are two pixels thick.
constexpr double Reach = 90;

// The window draws each label of its model (as the model walks them) at its place, and
// nothing but them and the rules.
template <class Form>
void checkEachLabelAtItsPlace(QWidget& window, const Form& model, QSize area) {
    for (const QSize size : {window.sizeHint(), QSize(900, 500)}) {
        window.resize(size);
        const QImage image = window.grab().toImage();
        const Expected e(size, area.width(), area.height());
        const QColor background = image.pixelColor(e.at(area.width() - 20, area.height() - 20));
        std::vector<QRect> allowed;
        model.forEachControl([&](const ControlName&, const auto& c) {
            if constexpr (std::is_same_v<std::remove_cvref_t<decltype(c)>, Rule>) {
                allowed.emplace_back(e.at(c.X1 - 15, c.Y1 - 15), e.at(c.X2 + 45, c.Y2 + 45));
            } else if (!c.Caption.empty()) {
                QVERIFY2(inkIn(image, e.inside(c.Left, c.Top, c.Width, c.Height), background) > 0, c.Caption.c_str());
                allowed.emplace_back(e.at(c.Left - Reach / 3, c.Top - Reach),
                                     e.at(c.Left + c.Width + Reach / 3, c.Top + c.Height + Reach));
            }
        });
        const QRect client = e.inside(0, 0, area.width(), area.height());
        int stray = 0;
        for (int y = client.top(); y <= client.bottom(); ++y)
            for (int x = client.left(); x <= client.right(); ++x)
                if (std::none_of(allowed.begin(), allowed.end(),
                                 [p = QPoint(x, y)](const QRect& r) { return r.contains(p); }))
                    stray += inkIn(image, QRect(x, y, 1, 1), background);
        QCOMPARE(stray, 0);
    }
}

/// A freshly loaded form and its board view at the opening size.
struct Scene {
    ScriptedPlatform platform;
    Form1 form{platform};
    ui::BoardView view{form};
    const QSize size{470, 758};
    const Expected e{size};

    Scene() {
        form.Form_Load();
        view.resize(size);
    }
    /// Shows the view and paints it: false when it never came on screen (QVERIFY(scene.open())).
    [[nodiscard]] bool open() {
        view.show();
        const bool exposed = QTest::qWaitForWindowExposed(&view);
        repaint();
        return exposed;
    }
    // Asks for the changes to be repainted and delivers them.
    bool repaint() {
        const bool asked = view.repaintChanges();
        QCoreApplication::processEvents();
        return asked;
    }

    // The screen after partial repaints shows what a full repaint draws.
    bool screenIsWhole() {
        return rgb(view.screen()->grabWindow(view.winId()).toImage()) == rgb(view.grab().toImage());
    }
};

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
        QVERIFY(scene.open());
        // Cell 47 (bottom row, middle column) lies at 150 + 2 × 480, 510 + 9 × 480.
        scene.form.Mas(47).Face = CardFace::Heart;
        scene.form.Num(47).Caption = "Q";
        scene.view.resize(size);
        const QImage image = scene.view.grab().toImage();
        const Expected e(size);
        const QColor background = image.pixelColor(e.at(60, 2000));
        QVERIFY2(background.lightnessF() > 0.7, "the window behind the controls is light");

        // The well: dark inside from edge to edge, and the off-white card covering it in cell 47.
        for (QPoint p : {e.at(1335, 2900), e.at(200, 540), e.at(2540, 5300), e.at(1830, 5070)})
            QVERIFY(image.pixelColor(p).lightnessF() < 0.3);
        const QRect cell47(e.at(1150, 4870), e.at(1550, 5270));
        QVERIFY(inkIn(image, cell47, Qt::white) < cell47.width() * cell47.height() / 2);
        // The window right of and above the well, left of the NEXT frame, around START.
        for (QPoint p : {e.at(2640, 4500), e.at(1335, 420), e.at(2700, 1700), e.at(3067, 2440), e.at(2600, 2640)})
            QCOMPARE(image.pixelColor(p), background);
        // Outside the client area only the bars show.
        if (e.scale.origin().x() >= 2) QVERIFY(image.pixelColor(0, size.height() / 2) != background);
        if (e.scale.origin().y() >= 2) QVERIFY(image.pixelColor(size.width() / 2, 0) != background);
        // A card back in each place of the NEXT frame; the START label black with white text.
        for (int top : {1200, 1800})
            QVERIFY(inkIn(image, QRect(e.at(2880, top), e.at(3360, top + 480)), background) > 20);
        QCOMPARE(image.pixelColor(e.at(2660, 2540)), QColor(Qt::black));
        QVERIFY(inkIn(image, QRect(e.at(2640, 2520), e.at(3494, 2774)), Qt::black) > 5);

        // The widest multiplier begins right of where SCORE and the longest score end,
        // and ends inside the window.
        const auto draw = [&](const char* caption, const char* score, const char* multiplier) {
            scene.form.Label1.Caption = caption, scene.form.Score.Caption = score,
            scene.form.Label2.Caption = multiplier;
            return scene.view.grab().toImage();
        };
        const QImage none = draw("", "", ""), text = draw("SCORE", "99999999", ""),
                     all = draw("SCORE", "99999999", "×64");
        const int top = e.at(0, 5400).y(), bottom = e.at(0, 5685).y(), textEnd = edge(text, none, top, bottom, false);
        QVERIFY(textEnd > 0 && edge(all, text, top, bottom, true) > textEnd);
        QVERIFY(edge(all, text, top, bottom, false) < e.at(3525, 0).x());
    }

    void theHandTableAndTheRecordsDrawTheirModels() {
        ui::HandTableWindow handTable;
        checkEachLabelAtItsPlace(handTable, handTable.model(), {Form2::ScaleWidth, Form2::ScaleHeight});
        Scene scene;
        Form3& form3 = scene.form.form3();
        // A player's name is drawn as the characters typed: tags obeyed would draw nothing.
        form3.Label1[0].Caption = "<i>";
        form3.Maxcombon.Caption = "12combo";
        ui::RecordsWindow window(form3);
        checkEachLabelAtItsPlace(window, form3, {Form3::ScaleWidth, Form3::ScaleHeight});
        // A records file read again repaints the window; nothing changed, nothing repaints.
        window.repaintChanges();
        form3.Score[9].Caption = "123";
        QVERIFY(window.repaintChanges() && !window.repaintChanges());
    }

    void aChangeRepaintsItsOwnAreaAndLeavesTheWholePicture() {
        Scene scene;
        QVERIFY(scene.open());
        // A score wider than its label runs past it: all of it is drawn, and when it
        // shrinks again all of it is wiped.
        for (const char* caption : {"1", "88888888888888", "2"}) {
            scene.form.Score.Caption = caption;
            QVERIFY(scene.repaint() && scene.screenIsWhole());
        }

        // A deal-in, then the pair falling.
        scene.form.Start_Click();
        for (int n = 0; n < 80 && !scene.form.Timer1.Enabled(); ++n) {
            scene.form.Timer2_Timer();
            scene.repaint();
            if (n % 6 == 1) QVERIFY(scene.screenIsWhole());  // the card slides at step 1
        }
        QVERIFY(scene.form.Timer1.Enabled());
        for (int n = 0; n < 12; ++n) {
            scene.form.Timer1_Timer();
            scene.repaint();
        }
        QVERIFY(scene.screenIsWhole());
    }
};

QTEST_MAIN(RenderTest)
#include "render_test.moc"
