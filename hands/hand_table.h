#pragma once

#include "board/hand.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tumblehand {

/// What a hand shows, plays, pays and consumes.
struct HandInfo {
    std::string_view caption;  ///< YakuL caption
    std::string_view cue;      ///< sound cue name
    std::int32_t points;       ///< base points, times combo and multiplier
    int cardsErased;           ///< cards of the row the hand consumes
};

/// The ten hands in the order of Hand.
inline constexpr std::array<HandInfo, HandCount> HandTable = {{
    {"１ＰＡＩＲ", "pn", 10, 1},
    {"２ＰＡＩＲ", "pe", 50, 2},
    {"３ＣＡＲＤ", "te", 100, 3},
    {"ＳＴＲＡＩＧＨＴ", "ph", 1000, 5},
    {"ＦＬＵＳＨ", "Flush", 2000, 5},
    {"ＦＵＬＬ ＨＯＵＳＥ", "up", 5000, 5},
    {"４ＣＡＲＤ", "up", 8000, 5},
    {"STRAIGHT FLUSH", "up", 15000, 5},
    {"５ＣＡＲＤ", "up2", 25000, 5},
    {"ROYAL STRAIGHT FLUSH", "up2", 50000, 5},
}};

/// What the hand shows, plays, pays and consumes; hand is one of the ten, not None.
constexpr const HandInfo& handInfo(Hand hand) { return HandTable[handIndex(hand)]; }

/// A full row without a hand; the caption has an ideographic space.
inline constexpr std::string_view NoHandCaption = "ぶ　た";
/// A full row of pig faces only.
inline constexpr std::string_view PigSpecialCaption = "ぶたスペシャル";
inline constexpr std::string_view NoHandCue = "boo";
/// Points per level of the pig special.
inline constexpr std::int32_t PigSpecialPoints = 10000;
/// Points per level for each pig removed when its counter runs out.
inline constexpr std::int32_t PigPoints = 20;

}  // namespace tumblehand
