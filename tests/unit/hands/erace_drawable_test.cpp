#include <gtest/gtest.h>

#include "board/form1.h"
#include "tools/fake/board_text.h"
#include "tools/fake/fake_platform.h"

namespace tumblehand {
namespace {

// A random pick draws only from the five cells from ResolvedRowFirst. If those are
// empty while cards lie further on up to a stray ResolvedRowLast, the pick must end
// without erasing rather than draw forever.
TEST(EraceDrawable, ARandomPickFromAnEmptyRowEnds) {
    FakePlatform platform;
    Form1 form{platform};
    form.Form_Load();
    ASSERT_EQ(setBoardText(form, ". . . . .\n. . . . .\n. . . . .\n. . . . .\n. . . . .\n"
                                 ". . . . .\n. . . . .\n. . . . .\nAS AS 3D JK .\n. . . . .\n"),
              "");
    const std::string before = boardText(form);
    form.state.ResolvedRowFirst = 20;
    form.state.ResolvedRowLast = 43;
    platform.randomQueue = {0.0f};  // the coin says: a random card of the row
    form.Erace(1);
    EXPECT_EQ(boardText(form), before);
}

}  // namespace
}  // namespace tumblehand
