#include "board/form1.h"
#include "harness/scripted_platform.h"

#include <gtest/gtest.h>

namespace tumblehand {
namespace {

TEST(MyPath, IsTheProgramFolderWithOneTrailingSeparator) {
    struct Case {
        const char* folder;
        const char* path;
    };
    const Case cases[] = {{"/opt/game", "/opt/game/"}, {"/opt/game//", "/opt/game/"}, {"/", "/"}, {"", "./"}};
    for (const Case& c : cases) {
        ScriptedPlatform platform(c.folder);
        EXPECT_EQ(Form1(platform).MyPath(), c.path) << c.folder;
    }
}

}  // namespace
}  // namespace tumblehand
