#include "shell/form2.h"

#include "board/numbers.h"

#include <string_view>

namespace tumblehand {

namespace {

struct RowText {
    std::string_view hand;
    std::string_view effect;
    std::string_view effectSecondLine;
};

// The window's own texts: its hand names differ from the hand label's captions (an
// ideographic space in the full house) and its effects are only a summary of the rules.
constexpr std::array<RowText, HandCount + 1> Texts = {{
    {"ブタ", "ブタ化", ""},
    {"１ＰＡＩＲ", "ブタ　-　1", ""},
    {"２ＰＡＩＲ", "ブタ　-　2", ""},
    {"３ＣＡＲＤ", "　ブタ　-　3　　", "SCORE*1.5"},
    {"ＳＴＲＡＩＧＨＴ", "ブタ消去,SCORE*2", ""},
    {"ＦＬＵＳＨ", "全てのブタ　-　X", ""},
    {"ＦＵＬＬ　ＨＯＵＳＥ", "ブタ消去,SCORE*5", ""},
    {"４ＣＡＲＤ", "ブタ消去,JOKER*2,", "SCORE*2"},
    {"STRAIGHT FLUSH", "全ブタ消去", ""},
    {"５ＣＡＲＤ", "ブタ消去,JOKER*5,", " JOKER残留"},
    {"ROYAL STRAIGHT FLUSH", "全ブタ消去,SCORE*3,JOKER*5", ""},
}};

// The rows: the row without a hand first, then the ten hands in order.
constexpr Hand rowHand(std::size_t row) { return row == 0 ? Hand::None : handAt(row - 1); }

constexpr Rgb PigRed = 0x800000;
constexpr int RowHeight = 255;
constexpr int LineHeight = 240;
constexpr int EffectLeft = 4320;
constexpr int EffectWidth = Form2::ScaleWidth - EffectLeft - 30;

}  // namespace

Form2::Form2() {
    handHeading = makeLabel(0, 0, 2640, 360, "役", colors::Black);
    pointsHeading = makeLabel(2760, 0, 600, 360, "得点", colors::Black);
    cardsHeading = makeLabel(3430, 0, 770, 360, "消費枚数", colors::Black);
    effectHeading = makeLabel(EffectLeft, 0, ScaleWidth - EffectLeft, 360, "効果", colors::Black);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RowText& text = Texts[i];
        const int top = 480 + 360 * static_cast<int>(i);
        // A row without a hand pays nothing and uses up no card.
        const Hand hand = rowHand(i);
        const bool pigRow = hand == Hand::None;
        const std::int32_t points = pigRow ? 0 : handInfo(hand).points;
        const int cards = pigRow ? 0 : handInfo(hand).cardsErased;
        Row& row = rows[i];
        row.hand = makeLabel(60, top, 2520, RowHeight, std::string(text.hand), pigRow ? PigRed : colors::Blue);
        row.points = makeLabel(2760, top, 600, RowHeight, decimal(points), colors::Black);
        row.cards = makeLabel(3375, top, 825, RowHeight, decimal(cards), colors::Black);
        // An effect on two lines starts half a line higher.
        const int effectTop = text.effectSecondLine.empty() ? top : top - LineHeight / 2;
        row.effect = makeLabel(EffectLeft, effectTop, EffectWidth, LineHeight, std::string(text.effect), colors::Black);
        row.effectSecondLine = makeLabel(EffectLeft, effectTop + LineHeight, EffectWidth, LineHeight,
                                         std::string(text.effectSecondLine), colors::Black);
    }
    rules[0] = Rule{0, 360, ScaleWidth, 360};
    std::size_t next = 1;
    for (const int x : {2640, 3360, 4200}) rules[next++] = Rule{x, 0, x, 4560};
}

}  // namespace tumblehand
