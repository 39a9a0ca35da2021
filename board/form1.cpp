#include "board/form1.h"

namespace tumblehand {

// The window as it is at design time, before Form_Load.
Form1::Form1(Platform& platform) : Timer1(NewGameInterval), Timer2(50), Timer3(100), platform_(platform) {
    // Inside NextFrame: card 1 above card 0.
    NextCard[1] = makePicture(120, 240, 480, 480, CardFace::Back);
    NextNum[1] = makeLabel(120, 360, 495, 255, "", colors::Black);
    NextCard[0] = makePicture(120, 840, 480, 480, CardFace::Back);
    NextNum[0] = makeLabel(120, 960, 495, 255, "", colors::Black);
    // Inside the NOW frame, Frame1, which is never seen.
    NowCard[1] = makePicture(120, 240, 480, 480, CardFace::Back);
    NowNum[1] = makeLabel(120, 360, 495, 255, "", colors::Black);
    NowCard[0] = makePicture(120, 840, 480, 480, CardFace::Back);
    NowNum[0] = makeLabel(120, 960, 495, 255, "", colors::Black);

    MoveCard = makePicture(DeckLeft, 0, 480, 480, CardFace::Back);
    MoveNum = makeLabel(1080, 120, 495, 255, "", colors::RankGreen);
    ura1[0] = makePicture(2880, 240, 480, 480, CardFace::Back);
    ura1[1] = makePicture(2760, 120, 480, 480, CardFace::Back);
    ura1[2] = makePicture(DeckLeft, 0, 480, 480, CardFace::Back);
    for (int i = 0; i < 4; ++i) {
        Gara[static_cast<std::size_t>(i)] = makePicture(120 + 480 * i, 5760, 480, 480, garaFace(i));
    }
    Gara[4] = makePicture(2880, 4200, 480, 480, CardFace::Joker);
    Gara[5] = makePicture(2880, 3600, 480, 480, CardFace::Pig);

    YakuL = makeLabel(120, 0, 2415, 240, "", colors::Blue);
    ComboS = makeLabel(0, 240, 630, 195, "combo", colors::Purple, false);
    Gscore = makeLabel(1200, 240, 360, 240, "10", colors::Orange, false);
    TotalS = makeLabel(0, 0, 600, 195, "total", colors::Green, false);
    Start = makeLabel(2640, 2520, 855, 255, "START", colors::White);
    StopL = makeLabel(2640, 2880, 855, 255, "STOP", colors::White);
    Ending = makeLabel(2640, 3240, 855, 255, "END", colors::White);
    Label4 = makeLabel(2880, 3720, 495, 240, "", colors::Red);
    Label3 = makeLabel(2880, 4320, 495, 240, "", colors::Red);
    Label5 = makeLabel(2760, 4800, 585, 225, "LV1", colors::Black);
    Label1 = makeLabel(120, 5400, 975, 255, "SCORE", colors::Black);
    // The multiplier: at 540 it would be painted over "SCORE", and between "SCORE" and
    // the score there is no room for "×32"; it ends the score's row instead, under the
    // level, where no score reaches.
    Label2 = makeLabel(2760, 5400, 735, 240, "", colors::Yellow);
    Score = makeLabel(1200, 5400, 180, 285, "0", colors::Black);
    Chusi.Caption = "中断(&D)";
}

void Form1::Form_Load() {
    platform_.seedFromClock();
    settleRecordsFile();
    for (int i = 0; i < Board::Cells; ++i) {
        Num(i).ForeColor = MoveNum.ForeColor;
        Num(i).Caption.clear();
    }
    NextNum[0].ForeColor = MoveNum.ForeColor;
    NextNum[1].ForeColor = MoveNum.ForeColor;
    YakuL.Caption.clear();
}

void Form1::returnMoveCardToDeck() {
    MoveNum.Caption.clear();
    MoveCard.Face = CardFace::Back;
    MoveCard.Left = DeckLeft;
}

void Form1::Cleanen() {
    for (std::uint8_t cell : state.FallingPair) board.clear(cell);
}

void Form1::Appear() {
    for (std::size_t k = 0; k < 2; ++k) {
        const int cell = state.FallingPair[k];
        Mas(cell).Face = NowCard[k].Face;
        Num(cell).Caption = NowNum[k].Caption;
    }
}

}  // namespace tumblehand
