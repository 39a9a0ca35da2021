#pragma once

#include "board/board.h"

namespace tumblehand {

/// Drops every card with an empty cell under it one row per pass, scanning cells 44
/// down to 0, until a pass moves nothing. Only the picture and the rank text move.
/// Returns the number of passes, the last one included (a settled board takes one).
int settleBoard(Board& board);

}  // namespace tumblehand
