#include "ui/drawing/fonts.h"

#include <algorithm>
#include <cmath>

namespace tumblehand::ui {

QFont gameFont(double points, bool bold, double pixelsPerTwip) {
    QFont font(QString::fromLatin1(JapaneseFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // Pixel sizes keep the text in step with the pictures at any window size.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 20 * pixelsPerTwip))));
    return font;
}

}  // namespace tumblehand::ui
