#pragma once

#include "board/game_state.h"

#include <cstddef>
#include <cstdint>

namespace tumblehand {

/// The hand a full row makes; a better hand has a higher value. None is a full row
/// that forms no hand.
enum class Hand : std::uint8_t {
    OnePair,
    TwoPair,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
    FiveOfAKind,
    RoyalStraightFlush,
    None,
};

/// The ten hands, None not counted.
inline constexpr std::size_t HandCount = 10;

/// The hand's place in the tables kept per hand (the hand table, the hand flags).
constexpr std::size_t handIndex(Hand hand) { return static_cast<std::size_t>(hand); }

/// The hand at a place in those tables; past the ten hands, None.
constexpr Hand handAt(std::size_t index) { return index < HandCount ? static_cast<Hand>(index) : Hand::None; }

/// The hand of the row being resolved, kept in GameState as its byte.
constexpr Hand resolvedHand(const GameState& state) { return handAt(state.ResolvedHand); }

}  // namespace tumblehand
