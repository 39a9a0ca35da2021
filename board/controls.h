#pragma once

#include "board/card.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tumblehand {

/// Where a control lies: on the window itself, or inside one of its frames (the well,
/// the NEXT frame, the NOW frame beyond the window's right edge).
enum class Container { Window, Well, NextFrame, NowFrame };

/// A control as a window's forEachControl names it (Form1, Form2, Form3): its name in the game, its index in its
/// control array (-1 for a single control), and where it lies.
struct ControlName {
    std::string_view name;
    int index = -1;
    Container container = Container::Window;
};

/// Colours as 0xRRGGBB.
using Rgb = std::uint32_t;

namespace colors {
inline constexpr Rgb Black = 0x000000;
inline constexpr Rgb White = 0xFFFFFF;
inline constexpr Rgb Blue = 0x0000FF;
inline constexpr Rgb Red = 0xFF0000;
inline constexpr Rgb Yellow = 0xFFFF00;
inline constexpr Rgb Green = 0x00C000;
inline constexpr Rgb Purple = 0xC000C0;
inline constexpr Rgb Orange = 0xFF8000;
inline constexpr Rgb RankGreen = 0x008000;  ///< rank texts on the cards
}  // namespace colors

/// A caption-only control. Positions and sizes are twips relative to its container.
struct Label {
    std::string Caption;
    std::string Tag;
    bool Visible = true;
    Rgb ForeColor = colors::Black;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

/// A picture control; it shows one face (faces are compared by value, which stands in
/// for comparing the shared picture objects).
struct Picture {
    CardFace Face = CardFace::Empty;
    bool Visible = true;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

/// A frame that holds controls (the well, NEXT, NOW): where it lies on the window, in twips.
/// The controls inside it are placed relative to its Left and Top.
struct Frame {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

/// A double rule: a white line with a grey one just below it (horizontal, Y1 == Y2) or
/// just right of it (vertical, X1 == X2), from (X1, Y1) to (X2, Y2) in twips.
struct Rule {
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
};

/// A label as the window lays it out at design time.
inline Label makeLabel(int left, int top, int width, int height, std::string caption, Rgb color, bool visible = true) {
    Label label;
    label.Left = left;
    label.Top = top;
    label.Width = width;
    label.Height = height;
    label.Caption = std::move(caption);
    label.ForeColor = color;
    label.Visible = visible;
    return label;
}

/// A picture as the window lays it out at design time.
inline Picture makePicture(int left, int top, int width, int height, CardFace face) {
    Picture picture;
    picture.Face = face;
    picture.Left = left;
    picture.Top = top;
    picture.Width = width;
    picture.Height = height;
    return picture;
}

/// A menu item whose caption the game changes (Chusi).
struct MenuItem {
    std::string Caption;
};

/// A window timer. It fires nothing by itself: the timer schedule reads it. Switching
/// it on from off, or giving it a different interval, starts a fresh count; the
/// schedule notices that through generation().
class Timer {
public:
    explicit Timer(int interval = 0) : interval_(interval) {}

    bool Enabled() const { return enabled_; }
    void setEnabled(bool on) {
        if (on && !enabled_) ++generation_;
        enabled_ = on;
    }

    int Interval() const { return interval_; }
    void setInterval(int ms) {
        if (ms != interval_) ++generation_;
        interval_ = ms;
    }

    /// Bumped by every restart of the count.
    std::uint32_t generation() const { return generation_; }

private:
    bool enabled_ = false;
    int interval_;
    std::uint32_t generation_ = 0;
};

}  // namespace tumblehand
