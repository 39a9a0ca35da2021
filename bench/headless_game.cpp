#include "headless_game.h"

#include <array>

namespace tumblehand::bench {

namespace {

constexpr int KeyLeft = 37;
constexpr int KeyUp = 38;
constexpr int KeyRight = 39;

// Cards in each column, counted from the top: a column's height.
std::array<int, Board::Columns> columnHeights(const Board& board) {
    std::array<int, Board::Columns> heights{};
    for (int i = 0; i < Board::Cells; ++i) {
        if (!board.isEmpty(i)) ++heights[static_cast<std::size_t>(Board::column(i))];
    }
    return heights;
}

}  // namespace

HeadlessGame::HeadlessGame(std::string folder, std::uint32_t seed)
    : platform_(std::move(folder), seed), form_(platform_), schedule_(form_) {
    form_.Form_Load();
}

// The player: the pair goes, vertical, onto the lowest column (the leftmost of equal
// ones); every third pair it is turned twice, which swaps its cards.
void HeadlessGame::movePair() {
    const int pivot = form_.state.FallingPair[1];
    std::array<int, Board::Columns> heights = columnHeights(form_.board);
    // The pair itself is in the well already.
    heights[static_cast<std::size_t>(Board::column(pivot))] -= 2;
    std::size_t target = 0;
    for (std::size_t c = 1; c < heights.size(); ++c) {
        if (heights[c] < heights[target]) target = c;
    }
    if (form_.state.FallingPair[0] % 3 == 0) {
        form_.Form_KeyDown(KeyUp);
        form_.Form_KeyDown(KeyUp);
    }
    const int from = Board::column(pivot);
    const int key = static_cast<int>(target) < from ? KeyLeft : KeyRight;
    const int steps =
        static_cast<int>(target) < from ? from - static_cast<int>(target) : static_cast<int>(target) - from;
    for (int s = 0; s < steps; ++s) form_.Form_KeyDown(key);
}

GameOutcome HeadlessGame::play(int maxPairs) {
    GameOutcome outcome;
    const std::int64_t start = now_;
    platform_.answers.clear();
    platform_.confirmations.clear();
    // A record asks for a name; nothing else should ask anything.
    for (int k = 0; k < 4; ++k) platform_.answers.push_back("bot");

    form_.Start_Click();
    schedule_.sync(now_);
    bool falling = false;
    while (outcome.pairs < maxPairs) {
        const std::optional<std::int64_t> due = schedule_.nextDue();
        if (!due) {
            outcome.over = true;
            break;
        }
        now_ = *due;
        // The timer that fires is the earliest; at most one runs in play.
        const TickKind kind = form_.Timer1.Enabled()   ? TickKind::Gravity
                              : form_.Timer2.Enabled() ? TickKind::DealIn
                                                       : TickKind::Resolution;
        const int pairBefore = form_.state.FallingPair[0];
        if (beforeTick) beforeTick(kind);
        schedule_.fireNext(now_);
        ++outcome.ticks;
        if (afterTick) {
            bool steady = false;
            if (kind == TickKind::Gravity) {
                // Only moved: still falling, one row further down.
                steady = form_.Timer1.Enabled() && form_.state.FallingPair[0] == pairBefore + 5;
            } else if (kind == TickKind::DealIn) {
                steady = form_.Timer2.Enabled() || form_.Timer1.Enabled();
            }
            afterTick(kind, steady);
        }
        const bool fallingNow = form_.Timer1.Enabled();
        if (fallingNow && !falling) {
            ++outcome.pairs;
            movePair();
            schedule_.sync(now_);
        }
        falling = fallingNow;
    }
    outcome.gameMs = now_ - start;
    return outcome;
}

}  // namespace tumblehand::bench
