#include "ui/windows/secondary_placement.h"

#include "ui/windows/window_fit.h"

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
        {"the second one beyond the first", {0, 0, 480, 800}, {484, 0, 300, 400}, {788, 0, 410, 630}},
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

// The main window's inside is 235 × 379 at 96 dpi; its chrome 10 × 60.
TEST(WindowFit, TheMainWindowTwiceItsSizeOrTheLargestThatFitsNeverBelowItsOwn) {
    const struct {
        const char* screen;
        QSize available, inside;
    } rows[] = {
        {"room for twice", {1920, 1050}, {470, 758}},
        {"just room for twice", {480, 818}, {470, 758}},
        {"a 1280 × 800 screen below a top bar", {1280, 768}, {438, 708}},
        {"too narrow", {400, 2000}, {390, 628}},
        {"too small even at 96 dpi", {640, 400}, {235, 379}},
    };
    for (const auto& r : rows) EXPECT_EQ(fitMainWindow({235, 379}, {10, 60}, r.available), r.inside) << r.screen;
}

// The hand table is 394 × 298 at 96 dpi, the records 292 × 389; frames add 2 × 30.
TEST(WindowFit, TheTablesAsLargeAsTheRoomBesideTheGameAllowsFromOnceToTwice) {
    const struct {
        const char* screen;
        QSize available;
        int mainWidth;
        double scale;
    } rows[] = {
        {"the width is short", {1280, 768}, 440, (1280 - 440 - 8 - 4) / 686.0},
        {"the height is short", {3000, 600}, 440, (600 - 30) / 389.0},
        {"room for twice", {2560, 1400}, 470, 2},
        {"no room even at 96 dpi", {800, 600}, 470, 1},
    };
    for (const auto& r : rows) {
        EXPECT_DOUBLE_EQ(tablesScale({394, 298}, {292, 389}, {2, 30}, r.mainWidth, r.available, 4), r.scale)
            << r.screen;
    }
}

}  // namespace
}  // namespace tumblehand::ui
