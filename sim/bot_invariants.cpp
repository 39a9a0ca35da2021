#include "sim/bot_invariants.h"

#include "board/numbers.h"
#include "shell/record_text.h"
#include "shell/records_file.h"
#include "sim/face_names.h"

#include <string_view>

namespace tumblehand::sim {

namespace {

bool isRankText(std::string_view text) {
    static constexpr std::string_view Ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    for (std::string_view rank : Ranks) {
        if (text == rank) return true;
    }
    return false;
}

std::string cellName(int cell) { return "cell " + std::to_string(cell); }

std::string describeCell(const Form1& form, int cell) {
    const Board& board = form.board;
    return cellName(cell) + " (" + std::string(faceName(board.Mas(cell).Face)) + " \"" + board.Num(cell).Caption +
           "\")";
}

// Empty, an ordinary card with its rank, a joker or pig card without text, or a
// counted pig with its counter.
std::string checkCell(const Form1& form, int cell) {
    const Picture& picture = form.board.Mas(cell);
    const std::string& text = form.board.Num(cell).Caption;
    const CardFace face = picture.Face;
    const bool fine = (face == CardFace::Empty && text.empty()) || (isSuit(face) && isRankText(text)) ||
                      (face == CardFace::Joker && text.empty()) ||
                      (face == CardFace::Pig && (text.empty() || isPlainInteger(text)));
    return fine ? std::string() : "a cell holds something that is no card: " + describeCell(form, cell);
}

// Counted pigs only as whole rows, and those rows only at the bottom of the well.
std::string checkDeadRows(const Form1& form) {
    const Board& board = form.board;
    bool deadBelow = true;  // every row below this one is dead
    for (int row = Board::Rows - 1; row >= 0; --row) {
        int counted = 0;
        for (int column = 0; column < Board::Columns; ++column) {
            if (board.isCountedPig(row * Board::Columns + column)) ++counted;
        }
        if (counted != 0 && counted != Board::Columns) {
            return "row " + std::to_string(row) + " holds " + std::to_string(counted) +
                   " counted pigs, not a whole dead row";
        }
        const bool dead = counted == Board::Columns;
        if (dead && !deadBelow) {
            return "dead row " + std::to_string(row) + " lies above a row that is not dead";
        }
        deadBelow = deadBelow && dead;
    }
    return {};
}

std::string checkFallingPair(const Form1& form) {
    const GameState& s = form.state;
    const int card0 = s.FallingPair[0];
    const int pivot = s.FallingPair[1];
    const std::string where = "FallingPair (" + std::to_string(card0) + ", " + std::to_string(pivot) +
                              ") orientation " + std::to_string(s.PairOrientation);
    if (card0 >= Board::Cells || pivot >= Board::Cells) return "the falling pair is off the board: " + where;
    if (card0 == pivot) return "the falling pair's cells coincide: " + where;
    int expected = -1;
    switch (s.PairOrientation) {
        case 0: expected = pivot - 5; break;
        case 1: expected = pivot % 5 == 4 ? -1 : pivot + 1; break;
        case 2: expected = pivot + 5; break;
        case 3: expected = pivot % 5 == 0 ? -1 : pivot - 1; break;
        default: break;
    }
    if (card0 != expected) return "the falling pair does not lie as its orientation says: " + where;
    for (std::size_t k = 0; k < 2; ++k) {
        const int cell = s.FallingPair[k];
        if (form.board.Mas(cell).Face != form.NowCard[k].Face ||
            form.board.Num(cell).Caption != form.NowNum[k].Caption) {
            return "falling card " + std::to_string(k) + " is not shown in its cell: " + where + ", " +
                   describeCell(form, cell) + ", NOW card " + std::string(faceName(form.NowCard[k].Face)) + " \"" +
                   form.NowNum[k].Caption + "\"";
        }
    }
    return {};
}

std::string checkTimers(const Form1& form, const GameWatch& watch) {
    const int running = int{form.Timer1.Enabled()} + int{form.Timer2.Enabled()} + int{form.Timer3.Enabled()};
    if (running > 1) return std::to_string(running) + " timers run at once";
    // Suspended is: no timer, and STOP shows the arrow. The arrow alone is no proof of a
    // suspension: F2 during one starts a new game and leaves the caption as it was.
    if (running == 0 && !watch.paused) return "no timer runs and the game is not suspended: the game froze";
    return {};
}

std::string checkWeight(std::string_view name, std::int16_t weight, bool& boosted) {
    if (boosted && weight == 100) return {};
    boosted = false;
    if (weight < BaseWeight || weight > 10) {
        return std::string(name) + " is " + std::to_string(weight) + ", outside " + std::to_string(BaseWeight) + "..10";
    }
    return {};
}

}  // namespace

GameWatch watchNewGame(const Form1& form) {
    GameWatch watch;
    watch.paused = form.StopL.Caption == Form1::PausedCaption;
    watch.pigWeightBoosted = form.state.PigWeight == 100;
    watch.jokerWeightBoosted = form.state.JokerWeight == 100;
    return watch;
}

std::string checkRunningGame(const Form1& form, GameWatch& watch) {
    const GameState& s = form.state;
    watch.paused = form.StopL.Caption == Form1::PausedCaption;

    if (std::string broken = checkTimers(form, watch); !broken.empty()) return broken;
    if (form.Timer1.Enabled()) {
        if (std::string broken = checkFallingPair(form); !broken.empty()) return broken;
    }
    for (int cell = 0; cell < Board::Cells; ++cell) {
        if (std::string broken = checkCell(form, cell); !broken.empty()) return broken;
    }
    if (std::string broken = checkDeadRows(form); !broken.empty()) return broken;

    const std::int32_t m = s.ScoreMultiplier;
    if (!((m >= 1 && m <= 16) || m == 32)) return "ScoreMultiplier is " + std::to_string(m);
    if (std::string broken = checkWeight("PigWeight", s.PigWeight, watch.pigWeightBoosted); !broken.empty()) {
        return broken;
    }
    if (std::string broken = checkWeight("JokerWeight", s.JokerWeight, watch.jokerWeightBoosted); !broken.empty()) {
        return broken;
    }
    if (!((s.Level >= 1 && s.Level <= 10) || s.Level == 99)) return "Level is " + std::to_string(s.Level);
    if (s.GravityInterval < 100 || s.GravityInterval > NewGameInterval) {
        return "GravityInterval is " + std::to_string(s.GravityInterval);
    }

    const std::string& scoreText = form.Score.Caption;
    if (!isPlainInteger(scoreText)) return "the score reads \"" + scoreText + "\", not a number";
    const std::int64_t score = leadingNumber(scoreText);
    if (score < watch.lastScore) {
        return "the score went down from " + std::to_string(watch.lastScore) + " to " + scoreText;
    }
    watch.lastScore = score;
    return {};
}

std::string checkRecordsFile(const std::string& path) {
    const RecordsRead read = readRecordsFile(path);
    if (read.status != RecordsStatus::Ok) {
        return "data.dat does not read clean after the game over (status " +
               std::to_string(static_cast<int>(read.status)) + ")";
    }
    for (std::size_t i = 1; i < read.records.scores.size(); ++i) {
        if (read.records.scores[i].value() > read.records.scores[i - 1].value()) {
            return "data.dat lists place " + std::to_string(i + 1) + " (" + read.records.scores[i].text +
                   ") above place " + std::to_string(i) + " (" + read.records.scores[i - 1].text + ")";
        }
    }
    return {};
}

}  // namespace tumblehand::sim
