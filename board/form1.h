#pragma once

#include "board/board.h"
#include "board/controls.h"
#include "board/game_state.h"
#include "board/hand.h"
#include "board/platform.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

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
    /// The window as it is laid out before Form_Load, speaking to the world through platform.
    explicit Form1(Platform& platform);

    // ---- controls (positions in twips; see board/form1.cpp for the layout) ----
    Board board;
    Picture& Mas(int i) { return board.Mas(i); }  ///< cell i's card
    Label& Num(int i) { return board.Num(i); }  ///< cell i's rank text; its tag, the value the last scan gave the card

    std::array<Picture, 2> NextCard;  ///< 0 is the lower card of the NEXT frame, 1 the upper
    std::array<Label, 2> NextNum;     ///< their rank texts
    std::array<Picture, 2> NowCard;   ///< the falling pair's cards (outside the client area)
    std::array<Label, 2> NowNum;      ///< their rank texts
    Picture MoveCard;                 ///< the card sliding in from the deck
    /// Where MoveCard lies, face down, when no card slides in: on the deck.
    static constexpr int DeckLeft = 2640;
    Label MoveNum;  ///< the sliding card's rank text
    /// The frames: the well PlayBox (Mas, Num), the NEXT frame (NextCard, NextNum) and
    /// the NOW frame Frame1 (NowCard, NowNum), which lies beyond the client area's right edge.
    static constexpr Frame PlayBox{120, 480, 2475, 4875};
    static constexpr Frame NextFrame{2760, 960, 735, 1455};
    static constexpr Frame Frame1{3720, 960, 735, 1455};
    std::array<Picture, 3> ura1;  ///< the deck's three backs
    std::array<Picture, 6> Gara;  ///< the face pictures; 4 (joker) and 5 (pig) are shown

    Label YakuL;     ///< name of the hand just made
    Label ComboS;    ///< combo popup
    Label Gscore;    ///< points of the hand just made
    Label TotalS;    ///< chain total popup
    Label Start;     ///< "START"
    Label StopL;     ///< "STOP" / "↓"
    Label Ending;    ///< "END"
    Label Label1;    ///< "SCORE"
    Label Label2;    ///< score multiplier
    Label Label3;    ///< joker rate; its tag is the joker-keep marker
    Label Label4;    ///< pig rate
    Label Label5;    ///< level, "LV1"
    Label Score;     ///< the score
    MenuItem Chusi;  ///< the menu's suspend / resume: "中断(&D)", "再開" or "中断"

    Timer Timer1;  ///< gravity
    Timer Timer2;  ///< deal-in and popups
    Timer Timer3;  ///< resolution of a hand

    GameState state;

    /// The caption StopL shows while the game is suspended (it shows "STOP" otherwise).
    static constexpr std::string_view PausedCaption = "↓";

    // ---- what the window is doing ----
    /// True while any of the three timers runs: a pair falls, deals in, or a row resolves.
    bool timerRuns() const { return Timer1.Enabled() || Timer2.Enabled() || Timer3.Enabled(); }
    /// True from START until the game is over: a timer runs, or the game is suspended.
    bool gameRuns() const { return timerRuns() || StopL.Caption == PausedCaption; }
    /// The timer that runs (in play never more than one): 1 gravity, 2 deal-in, 3 the
    /// resolution of a hand; the first of them should several run; 0 while none does.
    int runningTimer() const { return Timer1.Enabled() ? 1 : Timer2.Enabled() ? 2 : Timer3.Enabled() ? 3 : 0; }

    // ---- the controls, walked as one list ----
    /// Calls visit(ControlName, control) for every control of the window: first its
    /// pictures and labels back to front, in the order the window paints them, then
    /// the menu item Chusi and the timers Timer1, Timer2, Timer3. control is a Picture,
    /// Label, MenuItem or Timer, const as the form is.
    template <class Visit>
    void forEachControl(Visit&& visit) {
        eachControl(*this, visit);
    }
    template <class Visit>
    void forEachControl(Visit&& visit) const {
        eachControl(*this, visit);
    }

    // ---- board and cards ----
    /// Sets up the window when it opens: seeds the random numbers from the clock, gives
    /// the well's and the NEXT frame's rank texts their green, and clears the texts.
    void Form_Load();
    /// MoveCard back on the deck, face down, and its rank text cleared.
    void returnMoveCardToDeck();
    /// Takes the falling pair's two cards out of their cells (before the pair moves).
    void Cleanen();
    /// Shows the falling pair's two cards, from the NOW frame, in their cells (after it moved).
    void Appear();
    /// Deals the next pair into the NEXT frame, no card that lies on the board and no two
    /// specials; shows backs instead while the next pair is hidden (a counted pig in
    /// cell 45 reveals it).
    void Nexter();

    // ---- play control ----
    /// START (and F2, and the menu's new game): stops everything, empties the well,
    /// resets score, level, rates and popups, and starts dealing the first pair in.
    void Start_Click();
    /// STOP (and F1): suspends a falling pair, showing "↓", or resumes it from "↓".
    void StopL_Click();
    /// Gravity: the falling pair drops one row; a pair that cannot drop lands, the well
    /// settles and the lowest row in play is resolved.
    void Timer1_Timer();
    /// A key: while a pair falls it moves, turns or drops the pair, suspends (F1), starts
    /// anew (F2) or asks to quit (Escape); while the second card enters, Left and Right
    /// slide it along the top row; otherwise only F1 and F2 work.
    void Form_KeyDown(int keyCode);
    /// Settles the well: every card over an empty cell drops until none can.
    void Fall();

    // ---- hands and scoring ----
    /// Clears the scratch of the hand tests: the cell marks, the tally, the flush face.
    void CClear();
    /// Clears Ycard's flag unless the row being resolved is one suit (jokers wild, no pig cards).
    void Flush(Hand Ycard);
    /// Clears Ycard's flag unless the row's values lie within a run of five, no value
    /// twice (jokers fill the gaps).
    void Straight(Hand Ycard);
    /// Clears Ycard's flag unless at least caby cards of the row each have at least caby
    /// matches in it, themselves included (a joker matches any card but a pig card).
    void Pair(int caby, Hand Ycard);
    /// Clears Ycard's flag unless exactly Samer cards of the row each have at least Sames
    /// matches in it, themselves included (a joker matches anything, pig cards too).
    void TwoPair(int Samer, int Sames, Hand Ycard);
    /// Once the well has come to rest: values every card, finds the lowest row in play
    /// and, when it is full, names its best hand and starts its blink (Timer3); otherwise
    /// the next pair deals in (Timer2).
    void AllChecker();
    /// Takes Burn cards out of the row being resolved, each either a random one or the
    /// weakest (pigs and unkept jokers first, then the lowest rank and suit).
    void Erace(int Burn);
    /// Removes the pig in cell Pcard, for points, once its counter has run out.
    void PigEracer(int Pcard);
    /// The blink of a made hand; after ten ticks applies the hand (points, erased cards,
    /// counters, rates), settles the well and looks for the next row.
    void Timer3_Timer();
    /// Deal-in: shows and rates the chain's popups, slides the next card from the deck,
    /// turns it and places it in the top row; with both cards in, the pair falls
    /// (Timer1). A top row too full to enter is the game over.
    void Timer2_Timer();
    /// Shows the multiplier (combo × score multiplier) and the joker and pig rates.
    void ComboCheck();

    // ---- shell and records ----
    /// The program's folder, ending in "/", where the records and the sounds are.
    std::string MyPath();
    /// Plays the sound name (a WAV file in the program's sound folder).
    void PlayCue(const std::string& name);
    /// The game is over: says so, stops play, enters a top-ten score and new bests into
    /// the records with the names the player gives, and saves them.
    void GAMEOVER();
    /// The menu's new game: as START.
    void Kaisi_Click();
    /// The menu's suspend / resume: as STOP.
    void Chusi_Click();
    /// The menu's quit: closes the window.
    void Shuryo_Click();
    /// END: closes the window.
    void Ending_Click();
    /// The menu's hand table: shows the table of hands and points.
    void YakuHyou_Click();
    /// The menu's records: shows the records window.
    void Seiseki_Click();
    /// The deck card dropped on the joker rate: with a best score over 500000 the next
    /// game starts with many jokers and the score multiplied by 32.
    void Label3_DragDrop();
    /// The deck card dropped on the pig rate: the next game starts with many pigs and
    /// the score multiplied by 32.
    void Label4_DragDrop();

    /// Where the records file is: settled when the window opens (Form_Load, or the first
    /// use), and looked for again only when a save there failed.
    const std::string& recordsFile();
    /// Settles anew where the records file is and returns it: beside the program, or in the
    /// player's own folder when the program's cannot be written. What killed copies left
    /// there is removed.
    const std::string& settleRecordsFile();

    /// The records window's model, created (and loaded) on first use.
    Form3& form3();
    /// The records window's model if it exists yet, else null.
    const Form3* existingForm3() const { return form3_.get(); }

    /// What the window speaks to: dialogs, sounds, random numbers, folders.
    Platform& platform() { return platform_; }

private:
    // One walk for the const and the non-const form.
    template <class Form, class Visit>
    static void eachControl(Form& form, Visit& visit);

    Platform& platform_;
    std::unique_ptr<Form3, DeleteForm3> form3_;
    std::string recordsFile_;
};

template <class Form, class Visit>
void Form1::eachControl(Form& form, Visit& visit) {
    const auto array = [&visit](std::string_view name, auto& controls, Container container) {
        for (std::size_t k = 0; k < controls.size(); ++k) {
            visit(ControlName{name, static_cast<int>(k), container}, controls[k]);
        }
    };
    const auto single = [&visit](std::string_view name, auto& control) { visit(ControlName{name}, control); };
    // The well's rank texts lie over all its pictures, so a counted pig's counter is never hidden.
    for (int i = 0; i < Board::Cells; ++i) visit(ControlName{"Mas", i, Container::Well}, form.board.Mas(i));
    for (int i = 0; i < Board::Cells; ++i) visit(ControlName{"Num", i, Container::Well}, form.board.Num(i));
    array("NextCard", form.NextCard, Container::NextFrame);
    array("NextNum", form.NextNum, Container::NextFrame);
    array("NowCard", form.NowCard, Container::NowFrame);
    array("NowNum", form.NowNum, Container::NowFrame);
    // The sliding card comes out from under the deck, whose backs are fanned with the
    // first one in front.
    single("MoveCard", form.MoveCard);
    for (int k = 2; k >= 0; --k) visit(ControlName{"ura1", k}, form.ura1[static_cast<std::size_t>(k)]);
    single("MoveNum", form.MoveNum);
    array("Gara", form.Gara, Container::Window);
    single("Label4", form.Label4);
    single("Label3", form.Label3);
    single("Start", form.Start);
    single("StopL", form.StopL);
    single("Ending", form.Ending);
    single("Label5", form.Label5);
    single("Label1", form.Label1);
    single("Label2", form.Label2);
    single("Score", form.Score);
    single("YakuL", form.YakuL);
    single("Gscore", form.Gscore);
    single("TotalS", form.TotalS);
    single("ComboS", form.ComboS);
    single("Chusi", form.Chusi);
    single("Timer1", form.Timer1);
    single("Timer2", form.Timer2);
    single("Timer3", form.Timer3);
}

}  // namespace tumblehand
