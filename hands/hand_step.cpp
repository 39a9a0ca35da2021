#include "board/form1.h"
#include "board/numbers.h"
#include "hands/award.h"
#include "hands/hand_table.h"
#include "hands/joker_keep.h"
#include "hands/rates.h"
#include "hands/resolution.h"

#include <optional>

namespace tumblehand {

namespace {

// A counter text read as a number (its leading number, so a stray text never stops
// play) and written back lowered.
std::string lowered(const std::string& counter, std::int32_t by) { return decimal(sum32(leadingNumber(counter), -by)); }

// Counts a pig's counter (caption and tag) down by `by`, or, without a count, to 0;
// PigEracer then removes it if it ran out.
void countDown(Form1& form, int cell, std::optional<std::int32_t> by) {
    Label& num = form.Num(cell);
    num.Caption = by ? lowered(num.Caption, *by) : decimal(0);
    num.Tag = by ? lowered(num.Tag, *by) : decimal(0);
}

// The row directly under the resolved row, whatever its cells hold.
void rowBelowEffect(Form1& form, Hand hand) {
    const int first = form.state.ResolvedRowFirst;
    if (first >= Board::Cells - Board::Columns) return;  // the bottom row has nothing below
    // One pair counts down by 1, two pair by 2, three of a kind by 3; better hands to 0.
    std::optional<std::int32_t> by;
    if (hand <= Hand::ThreeOfAKind) by = static_cast<std::int32_t>(handIndex(hand)) + 1;
    for (int i = first + Board::Columns; i <= first + 2 * Board::Columns - 1; ++i) {
        countDown(form, i, by);
        form.PigEracer(i);
    }
}

// Every counted pig on the board; dealt pig cards are passed over.
void wholeBoardEffect(Form1& form, Hand hand) {
    // Int(Level / 2 + 0.5), which is floor((Level + 1) / 2).
    const std::int64_t level = form.state.Level;
    const std::int64_t half = level + 1 >= 0 ? (level + 1) / 2 : -((-(level + 1) + 1) / 2);
    const auto flushAmount = static_cast<std::int32_t>(half);
    for (int i = 0; i < Board::Cells; ++i) {
        if (form.board.isCountedPig(i)) {
            countDown(form, i, hand == Hand::Flush ? std::optional<std::int32_t>(flushAmount) : std::nullopt);
        }
        form.PigEracer(i);
    }
}

}  // namespace

void applyHandStep(Form1& form, Hand hand) {
    GameState& state = form.state;
    const HandInfo& info = handInfo(hand);

    if (hand >= Hand::Straight) state.PigWeight = BaseWeight;
    if (hand == Hand::RoyalStraightFlush) showTwoJokersNext(form);
    awardPoints(form, product32({state.ComboCount, info.points, state.ScoreMultiplier}));
    if (hand == Hand::Straight) setJokerKeep(form);
    if (hand == Hand::ThreeOfAKind) {
        state.ScoreMultiplier = limitMultiplier(roundHalfEven(static_cast<std::int64_t>(state.ScoreMultiplier) * 3, 2));
    }

    form.Erace(info.cardsErased);

    switch (hand) {
        case Hand::FullHouse:
            state.ScoreMultiplier = limitMultiplier(static_cast<std::int64_t>(state.ScoreMultiplier) * 5);
            break;
        case Hand::FourOfAKind:
            showTwoJokersNext(form);
            state.JokerWeight = limitWeight(static_cast<std::int64_t>(state.JokerWeight) * 2);
            state.ScoreMultiplier = limitMultiplier(static_cast<std::int64_t>(state.ScoreMultiplier) * 2);
            break;
        case Hand::FiveOfAKind:
            showTwoJokersNext(form);
            setJokerKeep(form);
            state.JokerWeight = limitWeight(static_cast<std::int64_t>(state.JokerWeight) * 5);
            break;
        case Hand::RoyalStraightFlush:
            state.ScoreMultiplier = limitMultiplier(static_cast<std::int64_t>(state.ScoreMultiplier) * 3);
            state.JokerWeight = limitWeight(static_cast<std::int64_t>(state.JokerWeight) * 5);
            break;
        default: break;
    }

    // The new multiplier already counts for the pigs removed here.
    if (hand == Hand::Flush || hand == Hand::StraightFlush || hand == Hand::RoyalStraightFlush) {
        wholeBoardEffect(form, hand);
    } else {
        rowBelowEffect(form, hand);
    }
}

}  // namespace tumblehand
