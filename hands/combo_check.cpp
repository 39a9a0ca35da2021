#include "board/form1.h"
#include "board/numbers.h"
#include "hands/joker_keep.h"

namespace tumblehand {

namespace {

// A weight halved, written with a point only when there is a half: 1.5, 2, 2.5, 50.
std::string halfText(std::int16_t weight) {
    std::string text = decimal(weight / 2);
    if (weight % 2 != 0) text += ".5";
    return text;
}

}  // namespace

void Form1::ComboCheck() {
    const std::int32_t multiplier = state.ScoreMultiplier;
    Label2.ForeColor = multiplier < 2 ? colors::Yellow : colors::Red;
    const std::int32_t factor = product32({state.ComboCount, multiplier});
    if (factor >= 2) {
        Label2.Caption = "×" + decimal(factor);
    } else if (multiplier < 2) {
        Label2.Caption.clear();
    } else {
        Label2.Caption = "×" + decimal(multiplier);
    }

    Label3.Caption = state.JokerWeight < 3 ? std::string() : "×" + halfText(state.JokerWeight);
    if (jokerKeepSet(*this)) Label3.Caption += JokerKeepMarker;

    Label4.Caption = state.PigWeight < 3 ? std::string() : "×" + halfText(state.PigWeight);
}

}  // namespace tumblehand
