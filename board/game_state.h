#pragma once

#include "board/card.h"

#include <array>
#include <cstdint>

namespace tumblehand {

/// The 16-bit truth values of the hand flags and cell marks.
inline constexpr std::int16_t True16 = -1;
inline constexpr std::int16_t False16 = 0;

/// The pig and joker weights of a normal game: codes of each in the draw beside the 52 cards.
inline constexpr std::int16_t BaseWeight = 2;
/// The fall interval of a new game's first pair, in ms; every pair that comes in takes 10 off.
inline constexpr std::int16_t NewGameInterval = 1010;

/// The main window's variables besides its controls, in the order the window keeps
/// them. Everything is zero, false or empty when the window is created.
struct GameState {
    std::uint8_t DealTick = 0;                  ///< deal-in tick within the current card, 1..18
    std::uint8_t DrawSuit = 0;                  ///< suit of the card Nexter is showing (scratch)
    std::array<std::uint8_t, 2> NextCodes{};    ///< card codes of the pair in the NEXT frame
    std::uint8_t DealPhase = 0;                 ///< 0 first card entering, 1 second, 2 both placed
    std::array<std::uint8_t, 2> FallingPair{};  ///< cells of NOW card 0 and NOW card 1 (the pivot)
    std::int16_t GravityInterval = 0;           ///< ms per gravity step, floor 100
    std::uint8_t PairOrientation = 0;           ///< card 0 relative to the pivot: 0 above, 1 right, 2 below, 3 left
    std::array<std::int16_t, 10> HandFlags{};   ///< per hand index: True while the row can still be that hand
    std::uint8_t MatchTally = 0;                ///< scratch counter of the hand tests
    std::array<std::int16_t, 50> CellMarks{};   ///< per-cell marks of the flush and royal tests
    CardFace FlushFace = CardFace::Empty;       ///< face of the last non-wild card the flush test saw
    std::uint8_t BlinkTick = 0;                 ///< ticks of the current blink, 0..10; never reset by a new game
    std::uint8_t ResolvedHand = 0;              ///< the Hand of the row being resolved, 10 = none
    std::uint8_t ResolvedRowFirst = 0;          ///< first cell of that row; 50 = no row
    std::uint8_t ResolvedRowLast = 0;           ///< ResolvedRowFirst + 4
    std::int32_t ComboCount = 0;                ///< rows resolved in the current chain
    std::int32_t ScoreMultiplier = 0;           ///< factor of all points: 1..16 or 32
    std::int16_t JokerWeight = 0;               ///< joker codes in the draw
    std::int32_t Level = 0;                     ///< 1..10, or 99 after a pig special until the next deal-in
    bool HideNext = false;                      ///< Nexter shows backs instead of dealing
    bool NowDealt = false;                      ///< this deal-in dealt straight into the NOW frame
    std::uint8_t BestCombo = 0;                 ///< best combo on record, raised during play
    std::int16_t PigWeight = 0;                 ///< pig codes in the draw
    std::int32_t BestPoints = 0;                ///< best chain total on record, raised during play
    bool PigBoost = false;                      ///< the next game starts with PigWeight 100
    bool JokerBoost = false;                    ///< the next game starts with JokerWeight 100
};

}  // namespace tumblehand
