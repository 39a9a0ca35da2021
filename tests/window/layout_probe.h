#pragma once

#include "board/form1.h"
#include "tests/window/window_platform.h"
#include "ui/board_view.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tumblehand::test {

/// The twips-to-pixels mapping of a form of the given design size, worked out here
/// independently of the view's own code: scaled to fit, centred between bars.
struct Expected {
    double factor, left, top;
    explicit Expected(QSize size, double width = 3525, double height = 5685) {
        factor = std::min(size.width() / width, size.height() / height);
        left = (size.width() - width * factor) / 2;
        top = (size.height() - height * factor) / 2;
    }
    QPoint at(double x, double y) const {
        return QPoint(static_cast<int>(std::floor(left + x * factor)),
                      static_cast<int>(std::floor(top + y * factor)));
    }
    /// The pixels that lie wholly inside the twips rectangle.
    QRect inside(double x, double y, double w, double h) const {
        return QRect(QPoint(static_cast<int>(std::ceil(left + x * factor)),
                            static_cast<int>(std::ceil(top + y * factor))),
                     QPoint(static_cast<int>(std::floor(left + (x + w) * factor)) - 1,
                            static_cast<int>(std::floor(top + (y + h) * factor)) - 1));
    }
};

/// Pixels in rect that differ clearly from background.
inline int inkIn(const QImage& image, QRect rect, QColor background) {
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

/// A freshly loaded form and its board view at the opening size.
struct ViewScene {
    QTemporaryDir folder;
    WindowPlatform platform{folder.path().toStdString()};
    Form1 form{platform};
    ui::BoardView view{form};
    const QSize size{470, 758};
    const Expected e{size};
    ViewScene() { form.Form_Load(); }
};

}  // namespace tumblehand::test
