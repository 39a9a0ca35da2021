// The hand table and the records window draw each label of their models where the
// model puts it, and nothing anywhere else but their rules.
#include "tests/window/window_platform.h"
#include "ui/hand_table_window.h"
#include "ui/records_window.h"

#include <QtTest>

#include <algorithm>
#include <vector>

using namespace tumblehand;
using test::Expected;

namespace {

struct Drawn {
    std::vector<const Label*> labels;
    std::vector<Rule> rules;
};

Drawn controlsOf(const Form2& form) {
    Drawn d{{&form.handHeading, &form.pointsHeading, &form.cardsHeading, &form.effectHeading},
            {form.rules.begin(), form.rules.end()}};
    for (const Form2::Row& r : form.rows)
        d.labels.insert(d.labels.end(), {&r.hand, &r.points, &r.cards, &r.effect, &r.effectSecondLine});
    return d;
}

Drawn controlsOf(const Form3& form) {
    Drawn d{{&form.Label2, &form.Label3, &form.Label6, &form.Maxcombop, &form.Maxcombon, &form.MaxpointsP,
             &form.Maxpointsn},
            {form.Rules.begin(), form.Rules.end()}};
    for (std::size_t i = 0; i < 10; ++i)
        d.labels.insert(d.labels.end(), {&form.Label4[i], &form.Label1[i], &form.Score[i]});
    return d;
}

// Text is centred on its label's middle and may reach a little past the label (a line
// of text is taller than the smaller labels); rules are two pixels thick.
constexpr double Reach = 90;

void checkEachLabelAtItsPlace(QWidget& window, const Drawn& model, QSize area) {
    for (const QSize size : {window.sizeHint(), QSize(900, 500)}) {
        window.resize(size);
        const QImage image = window.grab().toImage();
        const Expected e(size, area.width(), area.height());
        const QColor background = image.pixelColor(e.at(area.width() - 20, area.height() - 20));
        std::vector<QRect> allowed;
        for (const Label* l : model.labels) {
            if (l->Caption.empty()) continue;
            const QRect inside = e.inside(l->Left, l->Top, l->Width, l->Height);
            QVERIFY2(test::inkIn(image, inside, background) > 0, l->Caption.c_str());
            allowed.emplace_back(e.at(l->Left - Reach / 3, l->Top - Reach),
                                 e.at(l->Left + l->Width + Reach / 3, l->Top + l->Height + Reach));
        }
        for (const Rule& r : model.rules) allowed.emplace_back(e.at(r.X1 - 15, r.Y1 - 15), e.at(r.X2 + 45, r.Y2 + 45));
        const QRect client = e.inside(0, 0, area.width(), area.height());
        int stray = 0;
        for (int y = client.top(); y <= client.bottom(); ++y)
            for (int x = client.left(); x <= client.right(); ++x)
                if (std::none_of(allowed.begin(), allowed.end(),
                                 [p = QPoint(x, y)](const QRect& r) { return r.contains(p); }))
                    stray += test::inkIn(image, QRect(x, y, 1, 1), background);
        QCOMPARE(stray, 0);
    }
}

}  // namespace

class ModelWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void handTableDrawsItsModel() {
        ui::HandTableWindow window;
        checkEachLabelAtItsPlace(window, controlsOf(window.model()), QSize(Form2::ScaleWidth, Form2::ScaleHeight));
    }

    void recordsWindowDrawsItsModel() {
        test::ViewScene scene;
        Form3& form3 = scene.form.form3();
        form3.Label1[0].Caption = "AB";
        form3.Maxcombon.Caption = "12combo";
        ui::RecordsWindow window(form3);
        checkEachLabelAtItsPlace(window, controlsOf(form3), QSize(Form3::ScaleWidth, Form3::ScaleHeight));
    }
};

QTEST_MAIN(ModelWindowsTest)
#include "model_windows_test.moc"
