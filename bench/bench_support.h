#pragma once

#include "board/form1.h"
#include "harness/scripted_platform.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tumblehand::bench {

/// The scripted platform without its record of cues and dialogs, so that a long run
/// neither grows a list nor measures the recording.
class QuietPlatform : public ScriptedPlatform {
public:
    using ScriptedPlatform::ScriptedPlatform;
    void playWav(const std::string&) override {}
    void messageBox(std::string_view, std::string_view) override {}
};

/// Everything of Form1 a procedure can change: its controls (the board, the frames,
/// the labels, the menu item, the timers) and its variables. Restoring it puts a form
/// back into a prepared position without going through its procedures.
class FormSnapshot {
public:
    explicit FormSnapshot(const Form1& form);
    void restore(Form1& form) const;

private:
    std::vector<std::variant<Picture, Label, MenuItem, Timer>> controls_;  ///< in Form1::forEachControl's order
    GameState state_;
};

/// A form that has been loaded, with a board set from ten rows of card tokens.
/// Aborts the program on a token error: a benchmark with a wrong board measures
/// nothing worth having.
void loadBoard(Form1& form, std::string_view rows);

// ---- positions the benchmarks start from ----

/// Nine full rows and two cards in the top row; the bottom row is full and forms no hand.
extern const std::string_view NearlyFullWell;
/// Three dead rows at the bottom and a full row in play above them (a flush).
extern const std::string_view DeadRowsWell;
/// One card in the top row over an otherwise empty column.
extern const std::string_view SingleCardOverEmptyColumn;
/// Nine full rows over an empty bottom row: everything drops one row.
extern const std::string_view FullWellOverEmptyRow;
/// Forty-eight different ordinary cards: almost every draw of the deal is refused.
extern const std::string_view DealRejectionWell;
/// A royal straight flush in row 7 over two dead rows of pigs with counters.
extern const std::string_view RoyalOverPigsWell;
/// A middle-of-the-game well with room for the next pair.
extern const std::string_view MidGameWell;

}  // namespace tumblehand::bench
