#include "ui/drawing/twips_scale.h"

#include <gtest/gtest.h>

#include <utility>

namespace tumblehand::ui {
namespace {

// An area of 1500 × 1000 twips, whatever shape the widget has.
TEST(TwipsScale, FitsTheAreaKeepingItsShapeAndCentresIt) {
    struct Row {
        QSizeF widget;
        double factor;
        QPointF origin;
    };
    const Row rows[] = {
        {{300, 200}, 0.2, {0, 0}},
        {{300, 400}, 0.2, {0, 100}},            // bars above and below
        {{900, 200}, 0.2, {300, 0}},            // bars left and right
        {{0, 0}, 1.0 / 15, {-50, -100.0 / 3}},  // not laid out yet: still a factor to divide by
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.widget.width());
        const TwipsScale s(r.widget, 1500, 1000);
        EXPECT_DOUBLE_EQ(s.factor(), r.factor);
        EXPECT_TRUE(s.origin() == r.origin);
        EXPECT_TRUE(s.area() == QRectF(r.origin, QSizeF(1500, 1000) * r.factor));
        EXPECT_TRUE(s.rect(300, 100, 600, 200) == QRectF(s.point(300, 100), s.point(900, 300)));
        EXPECT_TRUE(s.toTwips(s.point(750, 500)) == QPointF(750, 500));
    }
}

TEST(TwipsScale, SnapsEdgesToWholeDevicePixelsKeepingOne) {
    const std::pair<double, QRectF> rows[] = {
        {1, {0, 1, 11, 1}},  // a sliver keeps one pixel
        {2, {0.5, 0.5, 10, 0.5}},
        {0, {0, 1, 11, 1}},  // no ratio known: as 1
    };
    for (const auto& [ratio, snapped] : rows)
        EXPECT_TRUE(snapToDevice(QRectF(0.3, 0.6, 10.4, 0.2), ratio) == snapped) << ratio;
}

}  // namespace
}  // namespace tumblehand::ui
