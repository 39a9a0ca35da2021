#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tumblehand {

/// What a picture shows. The first six are the face pictures Gara(0..5); for the
/// four suits the number is also the SuitIndex.
enum class CardFace : std::uint8_t { Spade, Heart, Diamond, Club, Joker, Pig, Back, Empty };

/// True for the four suits.
constexpr bool isSuit(CardFace face) { return face <= CardFace::Club; }

/// The face picture Gara(index), index 0..5.
constexpr CardFace garaFace(int index) { return static_cast<CardFace>(index); }

/// Rank texts of ordinary cards, indexed by rank 1..13 (index 0 is the empty text).
inline constexpr std::array<std::string_view, 14> RankTexts = {"",  "A", "2", "3",  "4", "5", "6",
                                                               "7", "8", "9", "10", "J", "Q", "K"};

/// "A" = 1, "2".."10" = 2..10, "J" = 11, "Q" = 12, "K" = 13; the empty text and
/// anything else 0.
int RankValue(std::string_view rankText);

/// One card as shown in a cell or a frame: a face, its rank text and its value text
/// (the rank label's tag).
struct Card {
    CardFace face = CardFace::Empty;
    std::string rank;
    std::string value;

    bool operator==(const Card&) const = default;
};

}  // namespace tumblehand
