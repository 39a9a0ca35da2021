#include "board/form1.h"
#include "board/numbers.h"
#include "play/speed_rule.h"

#include <algorithm>
#include <limits>

namespace tumblehand {

namespace {

constexpr int Slide = 120;

const char* totalRating(std::int32_t n) {
    if (n >= 1000 && n <= 9999) return "good!";
    if (n >= 10000 && n <= 19999) return "great!";
    if (n >= 20000 && n <= 50000) return "wonderful!";
    if (n >= 50001) return "excellent!";
    return nullptr;
}

const char* comboRating(std::int32_t n) {
    if (n == 3 || n == 4) return "good!";
    if (n == 5 || n == 6) return "great!";
    if (n >= 7 && n <= 9) return "wonderful!";
    if (n >= 10) return "excellent!";
    return nullptr;
}

// A rated popup stays where it is; an unrated one goes back to 0 and hides.
void showRating(Label& popup, const char* rating) {
    if (rating) {
        popup.Caption = rating;
    } else {
        popup.Left = 0;
        popup.Visible = false;
    }
}

// The first card shows the finished chain's raw total and combo; the second rates them.
void popupsStep(Form1& form) {
    GameState& state = form.state;
    Label& total = form.TotalS;
    if (!total.Visible && leadingNumber(total.Caption) > 0) {
        total.ForeColor = colors::Green;
        total.Left = -600;
        total.Caption += "p";
        total.Visible = true;
    } else if (total.Visible) {
        total.Left = -600;
        const std::int32_t n = leadingNumber(total.Caption);
        if (n > state.BestPoints) {
            state.BestPoints = n;
            total.ForeColor = colors::Red;
            total.Caption = "new record!";
        } else {
            showRating(total, totalRating(n));
        }
    }

    // A row without a hand ends the chain but is no combo link.
    if (form.YakuL.Caption == "ぶ　た") state.ComboCount = sum32(state.ComboCount, -1);
    form.YakuL.Caption.clear();

    Label& combo = form.ComboS;
    if (!combo.Visible && state.ComboCount > 1) {
        combo.ForeColor = colors::Purple;
        combo.Caption = decimal(state.ComboCount) + "combo";
        combo.Left = -600;
        combo.Visible = true;
    } else if (combo.Visible) {
        combo.Left = -600;
        const std::int32_t n = leadingNumber(combo.Caption);
        if (n > state.BestCombo) {
            combo.ForeColor = colors::Red;
            // The record is a byte: a longer chain keeps the largest value it can hold.
            state.BestCombo =
                static_cast<std::uint8_t>(std::min<std::int32_t>(n, std::numeric_limits<std::uint8_t>::max()));
            combo.Caption = "new record!";
        } else {
            showRating(combo, comboRating(n));
        }
    }
}

void copyNextIntoNow(Form1& form) {
    for (std::size_t k = 0; k < 2; ++k) {
        form.NowCard[k].Face = form.NextCard[k].Face;
        form.NowNum[k].Caption = form.NextNum[k].Caption;
    }
    form.state.PairOrientation = 2;
}

// With backs in the NEXT frame the entering pair is dealt now, straight into NOW.
void dealStep(Form1& form) {
    GameState& state = form.state;
    state.NowDealt = false;
    if (form.NextCard[0].Face != CardFace::Back) return;
    state.HideNext = false;
    form.Nexter();
    state.HideNext = true;
    copyNextIntoNow(form);
    form.Nexter();
    state.NowDealt = true;
}

void turnFaceUp(Form1& form) {
    const std::size_t k = form.state.DealPhase == 0 ? 0 : 1;
    const bool now = form.state.NowDealt;
    form.MoveCard.Face = now ? form.NowCard[k].Face : form.NextCard[k].Face;
    form.MoveNum.Caption = now ? form.NowNum[k].Caption : form.NextNum[k].Caption;
}

// Returns false when the entry cell is taken and the game is over.
bool placementStep(Form1& form) {
    GameState& state = form.state;
    Board& board = form.board;
    if (state.DealPhase == 0) {
        if (!board.isEmpty(2)) return false;
        board.Mas(2).Face = form.MoveCard.Face;
        board.Num(2).Caption = form.MoveNum.Caption;
        state.FallingPair[0] = 2;
    } else {
        const int a = state.FallingPair[0];
        if (!board.isEmpty(a + Board::Columns)) return false;
        board.Mas(a + Board::Columns).Face = board.Mas(a).Face;
        board.Num(a + Board::Columns).Caption = board.Num(a).Caption;
        state.FallingPair[1] = static_cast<std::uint8_t>(a);
        state.FallingPair[0] = static_cast<std::uint8_t>(a + Board::Columns);
        board.Mas(a).Face = form.MoveCard.Face;
        board.Num(a).Caption = form.MoveNum.Caption;
    }
    ++state.DealPhase;
    state.DealTick = 0;
    form.returnMoveCardToDeck();
    return true;
}

void finishStep(Form1& form) {
    GameState& state = form.state;
    state.DealPhase = 0;
    state.DealTick = 0;
    form.ComboS.Visible = false;
    form.TotalS.Visible = false;
    form.TotalS.Caption.clear();
    if (!state.NowDealt) {
        copyNextIntoNow(form);
        form.Nexter();
    }
    state.GravityInterval = nextGravityInterval(state.GravityInterval);
    state.Level = levelForInterval(state.GravityInterval);
    form.Label5.Caption = "LV" + decimal(state.Level);
    form.Timer1.setInterval(state.GravityInterval);
    form.Timer2.setEnabled(false);
    form.Timer1.setEnabled(true);
}

}  // namespace

void Form1::Timer2_Timer() {
    ++state.DealTick;
    const int tick = state.DealTick;
    if (tick == 1) {
        popupsStep(*this);
        state.ComboCount = 0;
        ComboCheck();
        MoveCard.Left -= Slide;
        if (state.DealPhase == 0) dealStep(*this);
    } else if (tick <= 6) {
        TotalS.Left += Slide;
        ComboS.Left += Slide;
        MoveCard.Left -= Slide;
    } else if (tick <= 13) {
        MoveCard.Left -= Slide;
    } else if (tick <= 15) {
        // The card turns: it narrows around its centre...
        MoveCard.Width -= 230;
        MoveCard.Left += 115;
    } else if (tick == 16) {
        // ...shows its face and widens again.
        MoveCard.Width += 230;
        MoveCard.Left -= 115;
        MoveNum.Width = 250;
        MoveNum.Left += 115;
        turnFaceUp(*this);
    } else if (tick == 17) {
        MoveCard.Width += 230;
        MoveCard.Left -= 115;
        MoveNum.Left -= 115;
        MoveNum.Width += 230;
    } else if (tick == 18) {
        if (!placementStep(*this)) {
            GAMEOVER();
            return;
        }
    }
    if (state.DealPhase == 2) finishStep(*this);
}

}  // namespace tumblehand
