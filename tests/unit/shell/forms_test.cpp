#include "harness/temp_folder.h"
#include "shell/form2.h"
#include "shell/form3.h"
#include "shell/records_file.h"
#include "tests/support/game_fixture.h"
#include "tests/support/sample_records.h"

#include <set>
#include <type_traits>

namespace tumblehand {
namespace {

TEST(MyPath, IsTheProgramFolderWithOneTrailingSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/game", "/opt/game/"}, {"/opt/game//", "/opt/game/"}, {"/", "/"}, {"", "./"}};
    for (const auto& [folder, path] : cases) {
        ScriptedPlatform platform(folder);
        EXPECT_EQ(Form1(platform).MyPath(), path) << folder;
    }
}

// The hand table window shows each hand's points and the cards it uses up, as the rules pay them.
TEST(Form2, RowsShowThePointsAndCardsUsedOfEachHand) {
    std::string shown;
    for (const Form2::Row& row : Form2().rows) shown += row.points.Caption + "/" + row.cards.Caption + " ";
    EXPECT_EQ(shown, "0/0 10/1 50/2 100/3 1000/5 2000/5 5000/5 8000/5 15000/5 25000/5 50000/5 ");
}

// The windows draw, repaint and name what these walks visit: every member of the model
// once (their sizes add up to the whole model, so a label added and not walked fails),
// the labels before the rules.
TEST(SecondaryWindows, WalkEveryControlOnceLabelsBeforeRules) {
    const auto walk = [](const auto& form) {
        std::set<const void*> seen;
        std::size_t bytes = 0;
        std::string kinds;
        form.forEachControl([&](const ControlName&, const auto& control) {
            bytes += seen.insert(&control).second ? sizeof(control) : 0;
            kinds += std::is_same_v<std::remove_cvref_t<decltype(control)>, Label> ? 'L' : 'R';
        });
        EXPECT_EQ(bytes, sizeof(form));
        return kinds;
    };
    EXPECT_EQ(walk(Form2()), std::string(4 + 11 * 5, 'L') + "RRRR");
    EXPECT_EQ(walk(Form3()), std::string(3 + 3 * 10 + 4, 'L') + "RRRRR");
}

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

// The drop reads the records window (made, not shown), not the file.
TEST(Drops, JokerDropNeedsABestScoreAbove500000) {
    const std::pair<ScoreField, bool> cases[] = {
        {{"500000", true}, false}, {{"500001", false}, true}, {{"-600000", true}, false}, {{"600000p", true}, true}};
    TempFolder folder;
    // The records file with that best score: what went wrong, if anything.
    const auto writeBest = [&](const ScoreField& best) {
        Records records = testing::sampleRecords(1000, 100);
        records.scores[0] = best;
        return saveRecordsFile(folder.file("data.dat"), records, RecordsStatus::Ok).error;
    };
    for (const auto& [best, arms] : cases) {
        SCOPED_TRACE(best.text);
        ASSERT_EQ(writeBest(best), "");
        testing::Game fresh(folder.path());
        fresh.form.Label3_DragDrop();
        EXPECT_EQ(fresh.form.state.JokerBoost, arms);
        EXPECT_FALSE(fresh.form.state.PigBoost);
        EXPECT_EQ(fresh.platform.recordsShown, 0);
        ASSERT_EQ(writeBest({"900000", false}), "");
        fresh.form.Label3_DragDrop();
        EXPECT_EQ(fresh.form.state.JokerBoost, arms) << "the window as it is, not the file";
    }
}

}  // namespace
}  // namespace tumblehand
