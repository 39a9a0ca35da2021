#pragma once

#include "board/form1.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tumblehand {

/// Card tokens as scenarios and tests write them: "." empty; rank and suit letter
/// ("AS", "10H", "QD", "7C"); "JK" joker; "PG" pig card; "P3", "P0", "P-2" a counted
/// pig (caption and tag both the counter); "BK" the card back.
struct CardToken {
    CardFace face = CardFace::Empty;
    std::string rank;
    std::string tag;
};

/// Parses one token; nothing for a token that is not a card.
std::optional<CardToken> parseCardToken(std::string_view token);

/// The token that shows a cell, a frame card or the sliding card.
std::string cardTokenOf(CardFace face, const std::string& rank);

/// Puts a token into a cell: face, caption, and the tag ("" except counted pigs).
void putCard(Form1& form, int cell, const CardToken& card);

/// Sets the board from ten rows of five tokens, top row first, separated by spaces
/// and line breaks. Returns an error message, or an empty string.
std::string setBoardText(Form1& form, std::string_view rows);

/// The board as ten lines of five tokens, top row first (tokens padded to 3 wide).
std::string boardText(const Form1& form);

}  // namespace tumblehand
