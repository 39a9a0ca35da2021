#include "board/form1.h"
#include "shell/records_file.h"

namespace tumblehand {

namespace {

void stopTimers(Form1& form) {
    form.Timer1.setEnabled(false);
    form.Timer2.setEnabled(false);
    form.Timer3.setEnabled(false);
}

// The bests of the records file, for the popups to rate this game's chains against.
void readBests(Form1& form) {
    const Records records = readRecordsFile(form.recordsFile()).records;
    form.state.BestCombo = records.bestCombo;
    form.state.BestPoints = records.bestPoints;
}

void clearHandTexts(Form1& form) {
    form.Gscore.Visible = false;
    form.Label2.Caption.clear();
    form.Label2.ForeColor = colors::Yellow;
    form.YakuL.Caption.clear();
    form.YakuL.Visible = true;
}

// Codes of pigs or of jokers in the draw, with or without a boost.
std::int16_t startWeight(bool boosted) { return boosted ? 100 : BaseWeight; }

// Normal rates and multiplier, unless a drop armed a boosted start; a boost lasts one game.
void startRates(GameState& state) {
    state.ComboCount = 0;
    state.PigWeight = startWeight(state.PigBoost);
    state.JokerWeight = startWeight(state.JokerBoost);
    state.ScoreMultiplier = state.PigBoost || state.JokerBoost ? 32 : 1;
    state.PigBoost = false;
    state.JokerBoost = false;
}

void startLevel(Form1& form) {
    form.state.Level = 1;
    form.Label5.Caption = "LV1";
    form.state.DealPhase = 0;
    form.state.DealTick = 0;
}

void clearScoreAndPopups(Form1& form) {
    form.Score.Caption = "0";
    form.TotalS.Caption.clear();
    // A popup left over from the old game would be rated against the new game's
    // records at its first deal-in, and could claim a record it never made.
    form.TotalS.Visible = false;
    form.ComboS.Visible = false;
    form.ComboS.Caption.clear();
}

// The sliding card whole and on the deck, the first fall slow, the well empty.
void emptyDeckAndWell(Form1& form) {
    form.MoveCard.Width = 480;
    form.MoveNum.Left = 1080;
    form.MoveNum.Width = 480;
    form.returnMoveCardToDeck();
    form.state.GravityInterval = NewGameInterval;
    for (int i = 0; i < Board::Cells; ++i) form.board.clear(i);
}

}  // namespace

void Form1::Start_Click() {
    stopTimers(*this);
    state.HideNext = true;
    readBests(*this);
    // Before the board is emptied: a counted pig left in cell 45 shows the next pair.
    Nexter();
    clearHandTexts(*this);
    startRates(state);
    startLevel(*this);
    clearScoreAndPopups(*this);
    ComboCheck();
    emptyDeckAndWell(*this);
    Timer2.setEnabled(true);
}

}  // namespace tumblehand
