#pragma once

#include "board/card.h"

#include <QString>

#include <string>

namespace tumblehand::ui {

/// A card as a screen reader says it, in the game's language: a suit card by suit and
/// rank ("ハートの6"), the game's own words for the others ("JOKER", "ブタ"), a card
/// back "裏" and an empty cell "空き". Text laid over a joker, a pig or a back (a counted
/// pig's counter, a rate) follows after a space: "ブタ 3", "JOKER ×5!".
QString cardName(CardFace face, const std::string& text);

}  // namespace tumblehand::ui
