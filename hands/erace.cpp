#include "board/form1.h"
#include "board/numbers.h"
#include "hands/hand_scan.h"
#include "hands/joker_keep.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tumblehand {

namespace {

constexpr std::int32_t NoCardScore = 100;  // higher than any card

// Int(Rnd × n): 0..n-1. Computed in double so that a number just below 1 never
// rounds up to n.
int randomBelow(Platform& platform, int n) {
    const double r = static_cast<double>(platform.random());
    return std::clamp(static_cast<int>(std::floor(r * n)), 0, n - 1);
}

int suitBonus(CardFace face) {
    switch (face) {
        case CardFace::Spade: return 3;
        case CardFace::Heart: return 2;
        case CardFace::Diamond: return 1;
        default: return 0;
    }
}

// 4 × rank + suit bonus; an empty cell scores 0, so it never counts as weakest.
std::int64_t cardScore(const Form1& form, int cell) {
    if (form.board.isEmpty(cell)) return 0;
    return 4 * static_cast<std::int64_t>(handRankValue(form.board.Num(cell).Caption)) +
           suitBonus(form.board.Mas(cell).Face);
}

std::optional<int> randomFilledCell(Form1& form, RowSpan row) {
    // Only the five cells from the row's first can be drawn; look for a card among
    // those, whatever ResolvedRowLast says.
    const int drawable = std::min(row.last, row.first + Board::Columns - 1);
    bool anyFilled = false;
    for (int i = row.first; i <= drawable; ++i) anyFilled = anyFilled || !form.board.isEmpty(i);
    if (!anyFilled) return std::nullopt;  // nothing to draw: never spin forever
    for (;;) {
        const int c = row.first + randomBelow(form.platform(), Board::Columns);
        if (c <= row.last && !form.board.isEmpty(c)) return c;
    }
}

// Pigs, and jokers unless they are to be kept, go first (the rightmost of them);
// otherwise the ordinary card with the lowest score (the leftmost of equals).
std::optional<int> weakestCell(const Form1& form, RowSpan row) {
    const bool keepJokers = jokerKeepSet(form);
    std::optional<int> chosen;
    std::int64_t best = NoCardScore;
    for (int i = row.first; i <= row.last; ++i) {
        const CardFace face = form.board.Mas(i).Face;
        if (face == CardFace::Pig || (face == CardFace::Joker && !keepJokers)) {
            chosen = i;
            best = 0;
            continue;
        }
        const std::int64_t score = cardScore(form, i);
        if (score > 0 && score < best) {
            chosen = i;
            best = score;
        }
    }
    return chosen;
}

}  // namespace

void Form1::Erace(int Burn) {
    const RowSpan row = resolvedRow(state);
    for (int pick = 1; pick <= Burn; ++pick) {
        const bool randomChoice = randomBelow(platform(), 2) == 0;
        const std::optional<int> cell = randomChoice ? randomFilledCell(*this, row) : weakestCell(*this, row);
        if (!cell) continue;
        board.clear(*cell);
        Num(*cell).Tag = decimal(0);
    }
}

}  // namespace tumblehand
