#include "ui/windows/secondary_placement.h"

#include <gtest/gtest.h>

namespace tumblehand::ui {
namespace {

// A window of 400 × 600 inside a frame 10 wider and 30 taller, beside a game whose well is
// its left part, on a screen of 1280 × 1024.
TEST(SecondaryPlacement, BesideTheGameShrunkOrElseHidingTheLeastOfTheWell) {
    struct Row {
        const char* where;
        QRect game, avoid, frame;
    };
    const Row rows[] = {
        {"right of it, level with it", {0, 0, 480, 800}, {}, {484, 0, 410, 630}},
        {"level, but on the screen", {0, 500, 480, 500}, {}, {484, 394, 410, 630}},
        {"left where the right has no room", {800, 0, 480, 800}, {}, {386, 0, 410, 630}},
        {"shrunk on the side with more room", {404, 0, 480, 800}, {}, {0, 0, 400, 615}},
        {"the second one on the other side", {404, 0, 480, 800}, {0, 0, 400, 615}, {888, 0, 392, 603}},
        {"over the other one where nothing else fits", {404, 0, 480, 800}, {0, 0, 1280, 1024}, {0, 0, 400, 615}},
        {"no room at either side even at half its size", {200, 0, 1080, 800}, {}, {870, 394, 410, 630}},
    };
    for (const Row& r : rows) {
        const QRect well = r.game.adjusted(10, 30, -290, -30);
        const QRect frame = besideMainWindow({400, 600}, {10, 30}, r.game, well, {0, 0, 1280, 1024}, r.avoid);
        EXPECT_EQ(frame, r.frame) << r.where << ": " << frame.x() << "," << frame.y() << " " << frame.width() << "×"
                                  << frame.height();
    }
}

}  // namespace
}  // namespace tumblehand::ui
