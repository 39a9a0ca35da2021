#include "board/form1.h"
#include "shell/records_file.h"
#include "shell/records_location.h"

namespace tumblehand {

void Form1::Start_Click() {
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Timer3.setEnabled(false);
    state.HideNext = true;

    const Records records = readRecordsFile(recordsPath(*this)).records;
    state.BestCombo = records.bestCombo;
    state.BestPoints = records.bestPoints;

    // Before the board is emptied: a counted pig left in cell 45 shows the next pair.
    Nexter();

    Gscore.Visible = false;
    Label2.Caption.clear();
    Label2.ForeColor = colors::Yellow;
    YakuL.Caption.clear();
    YakuL.Visible = true;

    state.ComboCount = 0;
    state.ScoreMultiplier = 1;
    if (state.PigBoost) {
        state.PigWeight = 100;
        state.PigBoost = false;
        state.ScoreMultiplier = 32;
    } else {
        state.PigWeight = 2;
    }
    if (state.JokerBoost) {
        state.JokerWeight = 100;
        state.JokerBoost = false;
        state.ScoreMultiplier = 32;
    } else {
        state.JokerWeight = 2;
    }

    state.Level = 1;
    Label5.Caption = "LV1";
    state.DealPhase = 0;
    state.DealTick = 0;

    Score.Caption = "0";
    TotalS.Caption.clear();
    // A popup left over from the old game would be rated against the new game's
    // records at its first deal-in, and could claim a record it never made.
    TotalS.Visible = false;
    ComboS.Visible = false;
    ComboS.Caption.clear();

    ComboCheck();

    MoveCard.Width = 480;
    MoveNum.Left = 1080;
    MoveNum.Width = 480;
    returnMoveCardToDeck();

    state.GravityInterval = 1010;
    for (int i = 0; i < Board::Cells; ++i) board.clear(i);

    Timer2.setEnabled(true);
}

}  // namespace tumblehand
