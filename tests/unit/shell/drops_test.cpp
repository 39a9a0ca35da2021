#include "harness/temp_folder.h"
#include "shell/records_file.h"
#include "tests/support/game_fixture.h"
#include "tests/support/sample_records.h"

#include <gtest/gtest.h>

namespace tumblehand {
namespace {

// The drop reads the records window (made, not shown), not the file.
TEST(Drops, JokerDropNeedsABestScoreAbove500000) {
    struct Case {
        ScoreField best;
        bool arms;
    };
    const Case cases[] = {
        {{"500000", true}, false}, {{"500001", false}, true}, {{"-600000", true}, false}, {{"600000p", true}, true}};
    TempFolder folder;
    // The records file with that best score: what went wrong, if anything.
    const auto writeBest = [&](const ScoreField& best) {
        Records records = testing::sampleRecords(1000, 100);
        records.scores[0] = best;
        return saveRecordsFile(folder.file("data.dat"), records, RecordsStatus::Ok).error;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.best.text);
        ASSERT_EQ(writeBest(c.best), "");
        testing::Game fresh(folder.path());
        fresh.form.Label3_DragDrop();
        EXPECT_EQ(fresh.form.state.JokerBoost, c.arms);
        EXPECT_FALSE(fresh.form.state.PigBoost);
        EXPECT_EQ(fresh.platform.recordsShown, 0);
        ASSERT_EQ(writeBest({"900000", false}), "");
        fresh.form.Label3_DragDrop();
        EXPECT_EQ(fresh.form.state.JokerBoost, c.arms) << "the window as it is, not the file";
    }
}

}  // namespace
}  // namespace tumblehand
