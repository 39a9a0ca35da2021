#pragma once

#include <QFont>

namespace tumblehand::ui {

/// The Japanese family every text of the game is drawn in, named explicitly so that
/// kanji take Japanese glyph shapes.
inline constexpr const char* JapaneseFamily = "Noto Sans CJK JP";

/// The Japanese font at a size in points of the layout (1 pt = 20 twips), scaled to
/// the drawing with pixelsPerTwip.
QFont gameFont(double points, bool bold, double pixelsPerTwip);

}  // namespace tumblehand::ui
