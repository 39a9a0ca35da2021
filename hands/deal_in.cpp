#include "board/form1.h"
#include "board/numbers.h"
#include "hands/hand_table.h"
#include "hands/speed_rule.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

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

// What the two popups do differently.
struct PopupRule {
    Rgb color;                            // of the raw value and of the ratings
    std::int32_t record;                  // the best on record
    const char* (*rating)(std::int32_t);  // for a value that beats no record
};

// A hidden popup shows its raw value, if it has one (the first card). A shown one
// rates the number it shows (the second card): a record in red, else a rating, else
// it hides. Returns the number when it beat the record.
std::optional<std::int32_t> popupStep(Label& popup, const std::optional<std::string>& raw, PopupRule rule) {
    if (!popup.Visible) {
        if (raw) {
            popup.ForeColor = rule.color;
            popup.Left = -600;
            popup.Caption = *raw;
            popup.Visible = true;
        }
        return std::nullopt;
    }
    popup.Left = -600;
    const std::int32_t n = leadingNumber(popup.Caption);
    if (n > rule.record) {
        popup.ForeColor = colors::Red;
        popup.Caption = "new record!";
        return n;
    }
    showRating(popup, rule.rating(n));
    return std::nullopt;
}

// TotalS already holds the chain's total as decimal text.
void totalStep(Form1& form) {
    Label& total = form.TotalS;
    GameState& state = form.state;
    const std::optional<std::string> raw =
        leadingNumber(total.Caption) > 0 ? std::optional(total.Caption + "p") : std::nullopt;
    if (const auto record = popupStep(total, raw, {colors::Green, state.BestPoints, totalRating})) {
        state.BestPoints = *record;
    }
}

// A row without a hand ends the chain but is no combo link.
void noHandStep(Form1& form) {
    if (form.YakuL.Caption == NoHandCaption) form.state.ComboCount = sum32(form.state.ComboCount, -1);
    form.YakuL.Caption.clear();
}

void comboStep(Form1& form) {
    GameState& state = form.state;
    const std::optional<std::string> raw =
        state.ComboCount > 1 ? std::optional(decimal(state.ComboCount) + "combo") : std::nullopt;
    if (const auto record = popupStep(form.ComboS, raw, {colors::Purple, state.BestCombo, comboRating})) {
        // The record is a byte: a longer chain keeps the largest value it can hold.
        state.BestCombo =
            static_cast<std::uint8_t>(std::min<std::int32_t>(*record, std::numeric_limits<std::uint8_t>::max()));
    }
}

// The first card shows the finished chain's raw total and combo; the second rates them.
void popupsStep(Form1& form) {
    totalStep(form);
    noHandStep(form);
    comboStep(form);
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
