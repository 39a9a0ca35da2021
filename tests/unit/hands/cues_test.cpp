#include <gtest/gtest.h>

#include "tests/unit/hands/hands_support.h"

namespace tumblehand {
namespace {

using testing::Table;

TEST(PlayCue, PlaysFromTheProgramFolderWithTheNameAsGiven) {
    const char* names[] = {"up2", "up", "Flush", "ph", "te", "pe", "pn", "boo"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        Table table;
        table.platform.folder = "/opt/tumblehand";
        table.form.PlayCue(name);
        ASSERT_EQ(table.platform.events.size(), 1u);
        EXPECT_EQ(table.platform.events[0].kind, PlatformEvent::Kind::PlayCue);
        EXPECT_EQ(table.platform.events[0].text, std::string("/opt/tumblehand/sound/") + name + ".wav");
    }
}

TEST(PlayCue, AsksForTheFolderAnewEveryTime) {
    Table table;
    table.platform.folder = "/first";
    table.form.PlayCue("pn");
    table.platform.folder = "/second";
    table.form.PlayCue("Flush");
    const auto cues = table.cues();
    ASSERT_EQ(cues.size(), 2u);
    EXPECT_EQ(cues[0], "/first/sound/pn.wav");
    EXPECT_EQ(cues[1], "/second/sound/Flush.wav");
}

}  // namespace
}  // namespace tumblehand
