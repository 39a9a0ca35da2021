#include "ui/key_map.h"

#include <Qt>

#include <array>
#include <utility>

namespace tumblehand::ui {

namespace {

constexpr std::array<std::pair<int, int>, 12> KeyTable = {{
    {Qt::Key_Left, vk::Left},
    {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},
    {Qt::Key_Down, vk::Down},
    {Qt::Key_Z, vk::Z},
    {Qt::Key_X, vk::X},
    {Qt::Key_C, vk::C},
    {Qt::Key_S, vk::S},
    {Qt::Key_Space, vk::Space},
    {Qt::Key_Escape, vk::Escape},
    {Qt::Key_F1, vk::F1},
    {Qt::Key_F2, vk::F2},
}};

}  // namespace

std::optional<int> virtualKeyOf(int qtKey) {
    for (const auto& [qt, code] : KeyTable) {
        if (qt == qtKey) return code;
    }
    return std::nullopt;
}

}  // namespace tumblehand::ui
