#include "board/form1.h"

#include <algorithm>

namespace tumblehand {

namespace {

constexpr int StandardCodes = 52;
constexpr int MaxCodes = 255;  // a code is one byte

// The code a card on the board blocks from being dealt: rank + 13 × suit, with
// specials counting as suit 0. A rank text that is no rank (a counted pig's "1",
// "12" or "99") blocks nothing; a counted pig showing "7" blocks the 7 of spades.
int boardCode(const Board& board, int cell) {
    const std::string& text = board.Num(cell).Caption;
    int rank = RankValue(text);  // "A", "J", "Q", "K" and the numbers 2..10
    if (rank == 0 && !text.empty()) return 0;
    const CardFace face = board.Mas(cell).Face;
    const int suit = isSuit(face) ? static_cast<int>(face) : 0;
    return rank + 13 * suit;
}

bool onBoard(const Board& board, int code) {
    for (int cell = 0; cell < Board::Cells; ++cell) {
        if (boardCode(board, cell) == code) return true;
    }
    return false;
}

}  // namespace

void Form1::Nexter() {
    const bool pig45 = Mas(45).Face == CardFace::Pig;
    if (state.HideNext && (!pig45 || Num(45).Caption.empty())) {
        for (std::size_t k = 0; k < 2; ++k) {
            NextNum[k].Caption.clear();
            NextCard[k].Face = CardFace::Back;
        }
        return;
    }

    // A weight is a number of codes: never below none, and W stays within a byte (in
    // play the weights are 2..10, or 100 after a boost). With W at least 52 both draws
    // always end, since the board can hold at most 50 of the standard cards.
    const int pigCodes = std::clamp<int>(state.PigWeight, 0, MaxCodes - StandardCodes);
    const int jokerCodes = std::clamp<int>(state.JokerWeight, 0, MaxCodes - StandardCodes - pigCodes);
    const int codes = StandardCodes + pigCodes + jokerCodes;
    auto draw = [&] {
        const int code = static_cast<int>(platform().random() * static_cast<float>(codes)) + 1;
        return code > codes ? codes : code;  // a float product can round up to W itself
    };

    auto show = [&](std::size_t k) {
        const int code = state.NextCodes[k];
        if (code <= StandardCodes) {
            state.DrawSuit = static_cast<std::uint8_t>((code - 1) / 13);
            NextCard[k].Face = garaFace(state.DrawSuit);
            NextNum[k].Caption = std::string(RankTexts[static_cast<std::size_t>(code - 13 * state.DrawSuit)]);
        } else {
            NextCard[k].Face = code <= StandardCodes + pigCodes ? CardFace::Pig : CardFace::Joker;
            NextNum[k].Caption.clear();
        }
    };

    bool accepted = false;
    while (!accepted) {
        state.NextCodes[0] = static_cast<std::uint8_t>(draw());
        accepted = !onBoard(board, state.NextCodes[0]);
    }
    show(0);

    accepted = false;
    while (!accepted) {
        state.NextCodes[1] = static_cast<std::uint8_t>(draw());
        const bool bothSpecial = state.NextCodes[1] > StandardCodes && state.NextCodes[0] > StandardCodes;
        accepted = !bothSpecial && state.NextCodes[1] != state.NextCodes[0] && !onBoard(board, state.NextCodes[1]);
    }
    show(1);
}

}  // namespace tumblehand
