#pragma once

#include "board/form1.h"
#include "board/numbers.h"

#include <array>
#include <cstdint>

namespace tumblehand {

/// The cells of the row being resolved, first..last inclusive, kept on the board.
struct RowSpan {
    int first;
    int last;
};
RowSpan resolvedRow(const GameState& state);

/// The CellValue the last board scan wrote into the cell's tag, read as a number.
inline std::int32_t cellValue(const Form1& form, int cell) {
    const std::string& tag = form.board.Num(cell).Tag;
    // The scan writes one or two digits: read those directly, the hand tests ask often.
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (tag.size() == 1 && digit(tag[0])) return tag[0] - '0';
    if (tag.size() == 2 && digit(tag[0]) && digit(tag[1])) return (tag[0] - '0') * 10 + (tag[1] - '0');
    return leadingNumber(tag);
}

/// The CellValue of every cell of the row, indexed by cell number (cells outside the
/// row are left unset): the hand tests compare every card with every other.
using RowValues = std::array<std::int32_t, Board::Cells>;
inline RowValues rowValues(const Form1& form, RowSpan row) {
    RowValues values;
    for (int i = row.first; i <= row.last; ++i) values[static_cast<std::size_t>(i)] = cellValue(form, i);
    return values;
}

/// The value a rank text has in hands: the dealt rank ("J" 11, "Q" 12, "K" 13), but the
/// ace high only (14); any other text its leading number (a pig's counter, 0 for none).
std::int32_t handRankValue(const std::string& rankText);

/// True when every cell of the row shows a pig face, counted or dealt.
bool rowIsAllPigFaces(const Form1& form, RowSpan row);

/// The tally of Pair and TwoPair: for each card of the resolved row, counts the cards
/// of the row that matches(vi, vj, sameText) accepts (the card itself included), and
/// adds one to MatchTally for each card with at least `least` of them. sameText()
/// compares the two cards' value texts, the test behind equal values.
template <class Matches>
void tallyMatchingCards(Form1& form, int least, Matches matches);

/// The cell's value as the decimal text the board scan wrote.
const std::string& cellValueText(const Form1& form, int cell);

/// Clears the hand's flag; None has no flag.
void clearHandFlag(GameState& state, Hand hand);

template <class Matches>
void tallyMatchingCards(Form1& form, int least, Matches matches) {
    const RowSpan row = resolvedRow(form.state);
    const RowValues values = rowValues(form, row);
    for (int i = row.first; i <= row.last; ++i) {
        const std::int32_t vi = values[static_cast<std::size_t>(i)];
        int count = 0;
        for (int j = row.first; j <= row.last; ++j) {
            const auto sameText = [&form, i, j] { return cellValueText(form, i) == cellValueText(form, j); };
            if (matches(vi, values[static_cast<std::size_t>(j)], sameText)) ++count;
        }
        if (count >= least) ++form.state.MatchTally;
    }
}

}  // namespace tumblehand
