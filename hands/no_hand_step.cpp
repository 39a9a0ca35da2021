#include "board/form1.h"
#include "board/numbers.h"
#include "hands/award.h"
#include "hands/hand_scan.h"
#include "hands/hand_table.h"
#include "hands/joker_keep.h"
#include "hands/rates.h"
#include "hands/resolution.h"

namespace tumblehand {

namespace {

constexpr std::int32_t PigSpecialLevel = 99;

}  // namespace

void applyNoHandStep(Form1& form) {
    GameState& state = form.state;
    const RowSpan row = resolvedRow(state);

    clearJokerKeep(form);
    state.ScoreMultiplier = limitMultiplier(roundHalfEven(state.PigWeight, 2));
    state.JokerWeight = BaseWeight;

    if (rowIsAllPigFaces(form, row)) {
        awardPoints(form, product32({state.Level, PigSpecialPoints, state.ComboCount, state.ScoreMultiplier}));
        // Every pig made or removed later in this chain counts at this level.
        state.Level = PigSpecialLevel;
        state.PigWeight = limitWeight(static_cast<std::int64_t>(state.PigWeight) * 2);
        state.JokerWeight = limitWeight(static_cast<std::int64_t>(state.JokerWeight) * 5);
        state.ScoreMultiplier =
            limitMultiplier(roundHalfEven(static_cast<std::int64_t>(state.PigWeight) * state.ScoreMultiplier, 2));
    }

    const std::string counter = decimal(state.Level);
    for (int i = row.first; i <= row.last; ++i) {
        form.Mas(i).Face = CardFace::Pig;
        form.Num(i).Caption = counter;
        form.Num(i).Tag = counter;
    }
}

}  // namespace tumblehand
