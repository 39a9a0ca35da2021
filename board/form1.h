#pragma once

#include "board/board.h"
#include "board/controls.h"
#include "board/game_state.h"
#include "board/hand.h"
#include "board/platform.h"

#include <array>
#include <memory>
#include <string>

namespace tumblehand {

struct Form3;

/// Deletes the records window's model where it is a complete type (shell/), so that
/// the board needs no more of it than its name.
struct DeleteForm3 {
    void operator()(Form3* form3) const;
};

/// The main window: its controls, its variables and the game's procedures, under the
/// names the game gives them. The procedures are defined in the folders of their
/// subsystems (board/, play/, hands/, shell/).
class Form1 {
public:
    explicit Form1(Platform& platform);

    // ---- controls (positions in twips; see board/form1.cpp for the layout) ----
    Board board;
    Picture& Mas(int i) { return board.Mas(i); }
    Label& Num(int i) { return board.Num(i); }

    std::array<Picture, 2> NextCard;  ///< 0 is the lower card of the NEXT frame, 1 the upper
    std::array<Label, 2> NextNum;
    std::array<Picture, 2> NowCard;  ///< the falling pair's cards (outside the client area)
    std::array<Label, 2> NowNum;
    Picture MoveCard;  ///< the card sliding in from the deck
    /// Where MoveCard lies, face down, when no card slides in: on the deck.
    static constexpr int DeckLeft = 2640;
    Label MoveNum;
    std::array<Picture, 3> ura1;  ///< the deck's three backs
    std::array<Picture, 6> Gara;  ///< the face pictures; 4 (joker) and 5 (pig) are shown

    Label YakuL;   ///< name of the hand just made
    Label ComboS;  ///< combo popup
    Label Gscore;  ///< points of the hand just made
    Label TotalS;  ///< chain total popup
    Label Start;   ///< "START"
    Label StopL;   ///< "STOP" / "↓"
    Label Ending;  ///< "END"
    Label Label1;  ///< "SCORE"
    Label Label2;  ///< score multiplier
    Label Label3;  ///< joker rate; its tag is the joker-keep marker
    Label Label4;  ///< pig rate
    Label Label5;  ///< level, "LV1"
    Label Score;   ///< the score
    MenuItem Chusi;

    Timer Timer1;  ///< gravity
    Timer Timer2;  ///< deal-in and popups
    Timer Timer3;  ///< resolution of a hand

    GameState state;

    // ---- board and cards ----
    void Form_Load();
    /// MoveCard back on the deck, face down, and its rank text cleared.
    void returnMoveCardToDeck();
    void Cleanen();
    void Appear();
    void Nexter();

    // ---- play control ----
    void Start_Click();
    void StopL_Click();
    void Timer1_Timer();
    void Form_KeyDown(int keyCode);
    void Fall();

    // ---- hands and scoring ----
    void CClear();
    void Flush(Hand Ycard);
    void Straight(Hand Ycard);
    void Pair(int caby, Hand Ycard);
    void TwoPair(int Samer, int Sames, Hand Ycard);
    void AllChecker();
    void Erace(int Burn);
    void PigEracer(int Pcard);
    void Timer3_Timer();
    void Timer2_Timer();
    void ComboCheck();

    // ---- shell and records ----
    std::string MyPath();
    void PlayCue(const std::string& name);
    void GAMEOVER();
    void Kaisi_Click();
    void Chusi_Click();
    void Shuryo_Click();
    void Ending_Click();
    void YakuHyou_Click();
    void Seiseki_Click();
    void Label3_DragDrop();
    void Label4_DragDrop();

    /// The records window's model, created (and loaded) on first use.
    Form3& form3();
    /// The records window's model if it exists yet, else null.
    const Form3* existingForm3() const { return form3_.get(); }

    Platform& platform() { return platform_; }

private:
    Platform& platform_;
    std::unique_ptr<Form3, DeleteForm3> form3_;
};

}  // namespace tumblehand
