#include "headless_game.h"

#include "play/key_codes.h"

#include <array>

namespace tumblehand::bench {

namespace {

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
        form_.Form_KeyDown(vk::Up);
        form_.Form_KeyDown(vk::Up);
    }
    const int from = Board::column(pivot);
    const int key = static_cast<int>(target) < from ? vk::Left : vk::Right;
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
        // The timer that fires is the one that runs: 1, 2 or 3, as TickKind counts them.
        const auto kind = static_cast<TickKind>(form_.runningTimer() - 1);
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
