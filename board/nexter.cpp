#include "board/form1.h"

#include <algorithm>

namespace tumblehand {

namespace {

constexpr int StandardCodes = 52;
constexpr int MaxCodes = 255;  // a code is one byte

// The codes of one draw: 1..52 the standard cards, then the pigs, then the jokers.
struct DrawCodes {
    int pigs;
    int total;
};

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

// Backs, unless a counted pig in cell 45 reveals the next pair.
bool staysHidden(const Form1& form) {
    const bool pig45 = form.board.Mas(45).Face == CardFace::Pig;
    return form.state.HideNext && (!pig45 || form.board.Num(45).Caption.empty());
}

void showBacks(Form1& form) {
    for (std::size_t k = 0; k < 2; ++k) {
        form.NextNum[k].Caption.clear();
        form.NextCard[k].Face = CardFace::Back;
    }
}

// A weight is a number of codes: never below none, and W stays within a byte (in
// play the weights are 2..10, or 100 after a boost). With W at least 52 both draws
// always end, since the board can hold at most 50 of the standard cards.
DrawCodes drawCodes(const GameState& state) {
    const int pigs = std::clamp<int>(state.PigWeight, 0, MaxCodes - StandardCodes);
    const int jokers = std::clamp<int>(state.JokerWeight, 0, MaxCodes - StandardCodes - pigs);
    return {pigs, StandardCodes + pigs + jokers};
}

int drawCode(Platform& platform, DrawCodes codes) {
    const int code = static_cast<int>(platform.random() * static_cast<float>(codes.total)) + 1;
    return code > codes.total ? codes.total : code;  // a float product can round up to W itself
}

// No standard card that is on the board; card 1 is neither card 0 again nor a second
// special (card 0 is drawn without regard to card 1).
bool mayDeal(const Form1& form, std::size_t k, int code) {
    if (k == 1) {
        const int first = form.state.NextCodes[0];
        if (code == first || (code > StandardCodes && first > StandardCodes)) return false;
    }
    return !onBoard(form.board, code);
}

// Draws NEXT card k until it may be dealt.
void drawCard(Form1& form, DrawCodes codes, std::size_t k) {
    do {
        form.state.NextCodes[k] = static_cast<std::uint8_t>(drawCode(form.platform(), codes));
    } while (!mayDeal(form, k, form.state.NextCodes[k]));
}

void showCard(Form1& form, DrawCodes codes, std::size_t k) {
    GameState& state = form.state;
    const int code = state.NextCodes[k];
    if (code <= StandardCodes) {
        state.DrawSuit = static_cast<std::uint8_t>((code - 1) / 13);
        form.NextCard[k].Face = garaFace(state.DrawSuit);
        form.NextNum[k].Caption = std::string(RankTexts[static_cast<std::size_t>(code - 13 * state.DrawSuit)]);
    } else {
        form.NextCard[k].Face = code <= StandardCodes + codes.pigs ? CardFace::Pig : CardFace::Joker;
        form.NextNum[k].Caption.clear();
    }
}

}  // namespace

void Form1::Nexter() {
    if (staysHidden(*this)) {
        showBacks(*this);
        return;
    }
    const DrawCodes codes = drawCodes(state);
    drawCard(*this, codes, 0);
    showCard(*this, codes, 0);
    drawCard(*this, codes, 1);
    showCard(*this, codes, 1);
}

}  // namespace tumblehand
