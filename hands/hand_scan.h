#pragma once

#include <cstdint>

#include "board/form1.h"

namespace tumblehand {

/// The cells of the row being resolved, first..last inclusive, kept on the board.
struct RowSpan {
    int first;
    int last;
};
RowSpan resolvedRow(const GameState& state);

/// The CellValue the last board scan wrote into the cell's tag, read as a number.
std::int32_t cellValue(const Form1& form, int cell);

/// The cell's value as the decimal text the board scan wrote.
const std::string& cellValueText(const Form1& form, int cell);

/// Clears one hand flag; an index outside 0..9 is ignored.
void clearHandFlag(GameState& state, int handIndex);

}  // namespace tumblehand
