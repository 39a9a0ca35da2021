#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tumblehand {

/// Hand indexes: 0 one pair, 1 two pair, 2 three of a kind, 3 straight, 4 flush,
/// 5 full house, 6 four of a kind, 7 straight flush, 8 five of a kind, 9 royal
/// straight flush. A higher index is a better hand.
inline constexpr int HandCount = 10;
/// The hand index of a full row that forms no hand.
inline constexpr int NoHand = 10;

/// Hand indexes by name.
namespace hand {
inline constexpr int OnePair = 0;
inline constexpr int TwoPair = 1;
inline constexpr int ThreeOfAKind = 2;
inline constexpr int Straight = 3;
inline constexpr int Flush = 4;
inline constexpr int FullHouse = 5;
inline constexpr int FourOfAKind = 6;
inline constexpr int StraightFlush = 7;
inline constexpr int FiveOfAKind = 8;
inline constexpr int RoyalStraightFlush = 9;
}  // namespace hand

/// What a hand shows, plays, pays and consumes.
struct HandInfo {
    std::string_view caption;  ///< YakuL caption
    std::string_view cue;      ///< sound cue name
    std::int32_t points;       ///< base points, times combo and multiplier
    int cardsErased;           ///< cards of the row the hand consumes
};

/// Indexed by hand index 0..9.
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
