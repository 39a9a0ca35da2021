#pragma once

namespace tumblehand {

/// The Windows virtual-key codes that Form_KeyDown understands.
namespace vk {
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
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

}  // namespace tumblehand
