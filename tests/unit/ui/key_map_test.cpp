#include "ui/input/key_map.h"

#include <Qt>
#include <gtest/gtest.h>

#include <utility>

namespace tumblehand::ui {
namespace {

// Enter answers dialogs only; the game never reads A or F3 (a menu shortcut).
TEST(KeyMap, GivesTheGameItsKeysOnly) {
    const std::pair<int, int> keys[] = {
        {Qt::Key_Left, vk::Left},     {Qt::Key_Up, vk::Up}, {Qt::Key_Right, vk::Right},
        {Qt::Key_Down, vk::Down},     {Qt::Key_Z, vk::Z},   {Qt::Key_X, vk::X},
        {Qt::Key_C, vk::C},           {Qt::Key_S, vk::S},   {Qt::Key_Space, vk::Space},
        {Qt::Key_Escape, vk::Escape}, {Qt::Key_F1, vk::F1}, {Qt::Key_F2, vk::F2},
        {Qt::Key_Return, -1},         {Qt::Key_A, -1},      {Qt::Key_F3, -1}};  // -1: none
    for (const auto& [qtKey, code] : keys) EXPECT_EQ(virtualKeyOf(qtKey).value_or(-1), code) << qtKey;
}

// A pad is a second keyboard: the same keys while a game runs or none does, the answers in a dialog.
TEST(KeyMap, PressesAKeyForEachPadButtonByContext) {
    struct Row {
        PadButton button;
        int playing, noGame, dialog;  // 0: no key
    };
    const Row rows[] = {
        {PadButton::Left, Qt::Key_Left, Qt::Key_Left, 0},
        {PadButton::Right, Qt::Key_Right, Qt::Key_Right, 0},
        {PadButton::Down, Qt::Key_Down, Qt::Key_Down, 0},
        {PadButton::South, Qt::Key_Up, Qt::Key_Up, Qt::Key_Return},
        {PadButton::East, Qt::Key_Up, Qt::Key_Up, Qt::Key_Escape},
        {PadButton::Start, Qt::Key_F1, Qt::Key_F2, 0},  // pause, or a new game when none runs
        {PadButton::Back, Qt::Key_F2, Qt::Key_F2, 0},
    };
    for (const Row& r : rows) {
        const int button = static_cast<int>(r.button);
        EXPECT_EQ(qtKeyOfPad(r.button, PadContext::Playing).value_or(0), r.playing) << button;
        EXPECT_EQ(qtKeyOfPad(r.button, PadContext::NoGame).value_or(0), r.noGame) << button;
        EXPECT_EQ(qtKeyOfPad(r.button, PadContext::Dialog).value_or(0), r.dialog) << button;
    }
}

}  // namespace
}  // namespace tumblehand::ui
