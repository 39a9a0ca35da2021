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
            clearHandFlag(state, Hand::RoyalStraightFlush);
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
                clearHandFlag(form.state, Hand::FiveOfAKind);
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
    if (state.HandFlags[handIndex(Hand::FourOfAKind)] != False16) {
        clearHandFlag(state, Hand::FullHouse);
        return;
    }
    for (int i = row.first; i <= row.last && state.MatchTally < 2; ++i) {
        if (cellValue(form, i) == 0) ++state.MatchTally;
    }
    switch (state.MatchTally) {
        case 0: form.TwoPair(5, 2, Hand::FullHouse); break;
        case 1: form.TwoPair(5, 3, Hand::FullHouse); break;
        default: clearHandFlag(state, Hand::FullHouse); break;
    }
}

// The best hand whose flag still stands.
Hand bestHand(const GameState& state) {
    for (std::size_t k = HandCount; k > 0; --k) {
        if (state.HandFlags[k - 1] != False16) return handAt(k - 1);
    }
    return Hand::None;
}

void showResult(Form1& form, RowSpan row) {
    GameState& state = form.state;
    form.YakuL.ForeColor = colors::Blue;
    form.Gscore.Visible = true;
    if (const Hand resolved = resolvedHand(state); resolved != Hand::None) {
        const HandInfo& hand = handInfo(resolved);
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
    Flush(Hand::RoyalStraightFlush);
    fiveOfAKindTest(*this, row);
    Straight(Hand::StraightFlush);
    Flush(Hand::StraightFlush);
    Pair(4, Hand::FourOfAKind);
    fullHouseTest(*this, row);
    Flush(Hand::Flush);
    Straight(Hand::Straight);
    Pair(3, Hand::ThreeOfAKind);
    TwoPair(4, 2, Hand::TwoPair);
    Pair(2, Hand::OnePair);
    state.ResolvedHand = static_cast<std::uint8_t>(bestHand(state));

    showResult(*this, row);
    Timer3.setEnabled(true);
    Timer2.setEnabled(false);
}

}  // namespace tumblehand
