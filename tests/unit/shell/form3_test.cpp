#include "shell/form3.h"

#include "harness/temp_folder.h"
#include "shell/records_file.h"
#include "tests/support/game_fixture.h"
#include "tests/support/sample_records.h"

#include <gtest/gtest.h>

namespace tumblehand {
namespace {

TEST(Form3, ShowsTheStartingFileThenTheFileReadOnFirstUseOnly) {
    TempFolder folder;
    testing::Game game(folder.path());
    Form1& form = game.form;
    Form3 missing;
    missing.Form_Load(folder.file("data.dat"));
    EXPECT_EQ(missing.Maxcombon.Caption + missing.Maxpointsn.Caption + missing.Score[4].Caption, "0combo0p0");
    EXPECT_EQ(folder.listing(), "") << "reading never creates the file";

    ASSERT_EQ(saveRecordsFile(folder.file("data.dat"), testing::sampleRecords(1000, 100), RecordsStatus::Ok).error, "");
    EXPECT_EQ(form.existingForm3(), nullptr);
    Form3& window = form.form3();
    EXPECT_EQ(window.Maxcombon.Caption + window.Maxcombop.Caption, "7comboAB");
    EXPECT_EQ(window.Maxpointsn.Caption + window.MaxpointsP.Caption, "900pCD");
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(window.Label1[i].Caption + " " + window.Score[i].Caption,
                  "P" + decimal(i + 1) + " " + decimal(1000 - 100 * i));
    folder.write("data.dat", "");
    EXPECT_EQ(&form.form3(), &window);
    EXPECT_EQ(window.Label1[0].Caption, "P1") << "only the first use reads the file";
}

}  // namespace
}  // namespace tumblehand
