#pragma once

#include <optional>

namespace tumblehand::ui {

/// Windows virtual-key codes of the keys the game reads.
namespace vk {
inline constexpr int Space = 32;
inline constexpr int Escape = 27;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int C = 67;
inline constexpr int S = 83;
inline constexpr int X = 88;
inline constexpr int Z = 90;
inline constexpr int F1 = 112;
inline constexpr int F2 = 113;
}  // namespace vk

/// The virtual-key code of a Qt key (Qt::Key), or nothing for a key the game never reads.
std::optional<int> virtualKeyOf(int qtKey);

}  // namespace tumblehand::ui
