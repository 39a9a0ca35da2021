#include "board/form1.h"
#include "board/numbers.h"
#include "hands/hand_scan.h"
#include "hands/hand_table.h"

#include <array>
#include <charconv>

namespace tumblehand {

namespace {

constexpr std::int32_t FirstPigValue = 15;

// The same text as decimal(value), written into the tag's own buffer: the scan
// rewrites fifty tags every time the well comes to rest.
void writeDecimal(std::string& text, std::int32_t value) {
    std::array<char, 12> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    text.assign(digits.data(), end);
}

// Writes every cell's CellValue into its tag, down to the first counted pig: the
// counters of the dead rows must keep their tags.
void valuationPass(Form1& form) {
    std::int32_t nextPigValue = FirstPigValue;
    for (int i = 0; i < Board::Cells; ++i) {
        if (form.board.isCountedPig(i)) return;
        std::int32_t value = handRankValue(form.Num(i).Caption);
        if (form.board.isPigCard(i)) {
            value = nextPigValue;
            nextPigValue += 2;  // every pig card its own odd value, so no two ever match
        }
        writeDecimal(form.Num(i).Tag, value);
    }
}

// The lowest row whose leftmost cell is not a counted pig; 50 when every row is dead.
std::uint8_t rowInPlay(const Form1& form) {
    std::uint8_t first = Board::Cells;
    for (int c = 0; c < Board::Cells; c += Board::Columns) {
        if (!form.board.isCountedPig(c)) first = static_cast<std::uint8_t>(c);
    }
    return first;
}

bool rowIsFull(const Form1& form, RowSpan row) {
    for (int i = row.first; i <= row.last; ++i) {
        if (form.board.isEmpty(i)) return false;
    }
    return true;
}

std::int16_t& flag(GameState& state, int handIndex) { return state.HandFlags[static_cast<std::size_t>(handIndex)]; }

std::int16_t& mark(GameState& state, int cell) { return state.CellMarks[static_cast<std::size_t>(cell)]; }

// Each of 10, J, Q, K, A must be covered by a card of its own, a missing one by a
// joker of its own.
void royalTest(Form1& form, RowSpan row) {
    GameState& state = form.state;
    form.CClear();
    state.MatchTally = 10;
    for (;;) {
        bool found = false;
        for (int i = row.first; i <= row.last && !found; ++i) {
            if (mark(state, i) == False16 && cellValue(form, i) == state.MatchTally) {
                mark(state, i) = True16;
                found = true;
            }
        }
        for (int i = row.first; i <= row.last && !found; ++i) {
            if (mark(state, i) == False16 && cellValue(form, i) == 0) {
                mark(state, i) = True16;
                found = true;
            }
        }
        if (!found) {
            flag(state, 9) = False16;
            return;
        }
        if (state.MatchTally == 14) return;
        ++state.MatchTally;
    }
}

// All cards that are not jokers must have one value.
void fiveOfAKindTest(Form1& form, RowSpan row) {
    form.CClear();
    for (int i = row.first; i <= row.last; ++i) {
        for (int j = row.first; j <= row.last; ++j) {
            const std::int32_t vi = cellValue(form, i);
            const std::int32_t vj = cellValue(form, j);
            // Different values always come from different texts: the cheap test goes first.
            if (vj != 0 && vi != 0 && (vi != vj || cellValueText(form, i) != cellValueText(form, j))) {
                flag(form.state, 8) = False16;
                break;
            }
        }
    }
}

// Four of a kind is never also a full house; two jokers always make four of a kind
// or better, so they never count as a full house either.
void fullHouseTest(Form1& form, RowSpan row) {
    GameState& state = form.state;
    form.CClear();
    if (flag(state, 6) != False16) {
        flag(state, 5) = False16;
        return;
    }
    for (int i = row.first; i <= row.last && state.MatchTally < 2; ++i) {
        if (cellValue(form, i) == 0) ++state.MatchTally;
    }
    switch (state.MatchTally) {
        case 0: form.TwoPair(5, 2, 5); break;
        case 1: form.TwoPair(5, 3, 5); break;
        default: flag(state, 5) = False16; break;
    }
}

std::uint8_t bestHand(const GameState& state) {
    for (int k = HandCount - 1; k >= 0; --k) {
        if (state.HandFlags[static_cast<std::size_t>(k)] != False16) return static_cast<std::uint8_t>(k);
    }
    return NoHand;
}

void showResult(Form1& form, RowSpan row) {
    GameState& state = form.state;
    form.YakuL.ForeColor = colors::Blue;
    form.Gscore.Visible = true;
    if (state.ResolvedHand < HandCount) {
        const HandInfo& hand = HandTable[state.ResolvedHand];
        form.PlayCue(std::string(hand.cue));
        form.YakuL.Caption = std::string(hand.caption);
        form.Gscore.Caption = decimal(product32({state.ComboCount, hand.points, state.ScoreMultiplier}));
    } else {
        form.PlayCue(std::string(NoHandCue));
        if (rowIsAllPigFaces(form, row)) {
            form.YakuL.Caption = std::string(PigSpecialCaption);
            form.Gscore.Caption =
                decimal(product32({state.Level, PigSpecialPoints, state.ComboCount, state.ScoreMultiplier}));
        } else {
            form.YakuL.Caption = std::string(NoHandCaption);
            form.Gscore.Caption = decimal(0);
        }
        form.YakuL.ForeColor = colors::Red;
    }
    form.YakuL.Visible = true;
}

}  // namespace

void Form1::AllChecker() {
    valuationPass(*this);
    Timer1.setEnabled(false);

    state.ResolvedRowFirst = rowInPlay(*this);
    if (state.ResolvedRowFirst >= Board::Cells) return;
    state.ResolvedRowLast = static_cast<std::uint8_t>(state.ResolvedRowFirst + Board::Columns - 1);
    const RowSpan row = resolvedRow(state);

    if (!rowIsFull(*this, row)) {
        // The chain goes on counting until the next pair has entered.
        ComboCheck();
        Timer2.setEnabled(true);
        return;
    }

    state.ComboCount = sum32(state.ComboCount, 1);
    ComboCheck();
    state.HandFlags.fill(True16);
    royalTest(*this, row);
    Flush(9);
    fiveOfAKindTest(*this, row);
    Straight(7);
    Flush(7);
    Pair(4, 6);
    fullHouseTest(*this, row);
    Flush(4);
    Straight(3);
    Pair(3, 2);
    TwoPair(4, 2, 1);
    Pair(2, 0);
    state.ResolvedHand = bestHand(state);

    showResult(*this, row);
    Timer3.setEnabled(true);
    Timer2.setEnabled(false);
}

}  // namespace tumblehand
