#include <gtest/gtest.h>

#include "tests/unit/hands/hands_support.h"

namespace tumblehand {
namespace {

using testing::Table;

// Each cue is looked up in the program folder asked for anew at every call.
TEST(PlayCue, PlaysFromTheCurrentProgramFolderWithTheNameAsGiven) {
    Table table;
    std::vector<std::string> expected;
    for (const char* name : {"up2", "up", "Flush", "ph", "te", "pe", "pn", "boo"}) {
        table.platform.folder = std::string("/opt/") + name;
        table.form.PlayCue(name);
        expected.push_back(table.platform.folder + "/sound/" + name + ".wav");
    }
    EXPECT_EQ(table.platform.events.size(), expected.size());
    EXPECT_EQ(table.cues(), expected);
}

}  // namespace
}  // namespace tumblehand
