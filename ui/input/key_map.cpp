#include "ui/input/key_map.h"

#include <Qt>

#include <array>

namespace tumblehand::ui {

namespace {

using Pads = unsigned;
constexpr Pads pad(PadButton button) { return 1u << static_cast<unsigned>(button); }
constexpr Pads Left = pad(PadButton::Left), Right = pad(PadButton::Right), Down = pad(PadButton::Down),
               South = pad(PadButton::South), East = pad(PadButton::East), Start = pad(PadButton::Start),
               Back = pad(PadButton::Back);
constexpr int NoCode = 0;

/// Every key the game answers: its code for Form_KeyDown, and the controller buttons that
/// press it while a game runs, while none runs, and in a dialog.
struct Key {
    int qtKey;
    int virtualKey;
    Pads playing = 0;
    Pads noGame = 0;
    Pads dialog = 0;
};

constexpr std::array<Key, 13> KeyTable = {{
    {Qt::Key_Left, vk::Left, Left, Left},
    {Qt::Key_Up, vk::Up, South | East, South | East},
    {Qt::Key_Right, vk::Right, Right, Right},
    {Qt::Key_Down, vk::Down, Down, Down},
    {Qt::Key_Z, vk::Z},
    {Qt::Key_X, vk::X},
    {Qt::Key_C, vk::C},
    {Qt::Key_S, vk::S},
    {Qt::Key_Space, vk::Space},
    {Qt::Key_Escape, vk::Escape, 0, 0, East},
    {Qt::Key_F1, vk::F1, Start},
    {Qt::Key_F2, vk::F2, Back, Start | Back},
    // Only the dialogs read Enter: it answers OK or Yes.
    {Qt::Key_Return, NoCode, 0, 0, South},
}};

}  // namespace

std::optional<int> virtualKeyOf(int qtKey) {
    for (const Key& key : KeyTable) {
        if (key.qtKey == qtKey && key.virtualKey != NoCode) return key.virtualKey;
    }
    return std::nullopt;
}

std::optional<int> qtKeyOfPad(PadButton button, PadContext context) {
    for (const Key& key : KeyTable) {
        const Pads pads = context == PadContext::Playing  ? key.playing
                          : context == PadContext::NoGame ? key.noGame
                                                          : key.dialog;
        if (pads & pad(button)) return key.qtKey;
    }
    return std::nullopt;
}

}  // namespace tumblehand::ui
