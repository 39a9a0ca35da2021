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

// The hand table: rows one under another from 480 at a 360 pitch (an effect on two lines
// from half a line higher), every text between the rules of its column, inside the window.
TEST(Form2, LaidOutBetweenItsRules) {
    const Form2 form;
    std::string rules;
    for (const Rule& r : form.rules)
        for (const int v : {r.X1, r.Y1, r.X2, r.Y2}) rules += std::to_string(v) + " ";
    EXPECT_EQ(rules, "0 360 5910 360 2640 0 2640 4560 3360 0 3360 4560 4200 0 4200 4560 ");
    // Each rule's grey line lies 15 twips right of its white one.
    const std::array<std::pair<int, int>, 4> columns = {{{0, 2640}, {2655, 3360}, {3375, 4200}, {4215, 5910}}};
    const auto within = [&](const Label& label, std::size_t column) {
        EXPECT_GE(label.Left, columns[column].first) << label.Caption;
        EXPECT_LE(label.Left + label.Width, columns[column].second) << label.Caption;
    };
    EXPECT_EQ((std::array{form.pointsHeading.Left, form.cardsHeading.Left, form.effectHeading.Left}),
              (std::array{2760, 3430, 4320}));
    const Label* headings[] = {&form.handHeading, &form.pointsHeading, &form.cardsHeading, &form.effectHeading};
    for (std::size_t k = 0; k < 4; ++k) within(*headings[k], k);
    for (std::size_t i = 0; i < form.rows.size(); ++i) {
        const Form2::Row& row = form.rows[i];
        const int top = 480 + 360 * static_cast<int>(i);
        const Label* cells[] = {&row.hand, &row.points, &row.cards, &row.effect, &row.effectSecondLine};
        for (std::size_t k = 0; k < 5; ++k) within(*cells[k], std::min<std::size_t>(k, 3));
        EXPECT_EQ((std::array{row.hand.Top, row.points.Top, row.cards.Top}), (std::array{top, top, top})) << i;
        EXPECT_EQ(row.effect.Top, row.effectSecondLine.Caption.empty() ? top : top - 120) << i;
        EXPECT_EQ(row.effectSecondLine.Top, row.effect.Top + row.effect.Height) << i;
        EXPECT_LE(row.hand.Height, 360) << i;
        const Label& lowest = row.effectSecondLine.Caption.empty() ? row.effect : row.effectSecondLine;
        EXPECT_LE(lowest.Top + lowest.Height, Form2::ScaleHeight) << i;
    }
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

// The records window: the headings and each row where the window was designed, places
// one under another in order, each row's number, name and score side by side without
// overlapping, and every label inside the window.
TEST(Form3, LaidOutAsTheWindowShowsIt) {
    const Form3 form;
    const auto at = [](const Label& label) { return std::array{label.Left, label.Top}; };
    const std::pair<const Label*, std::array<int, 2>> designed[] = {
        {&form.Label2, {600, 0}},        {&form.Label3, {600, 4250}},     {&form.Label6, {600, 5060}},
        {&form.Maxcombop, {120, 4680}},  {&form.Maxcombon, {2160, 4680}}, {&form.MaxpointsP, {120, 5520}},
        {&form.Maxpointsn, {2160, 5520}}};
    for (const auto& [label, place] : designed) EXPECT_EQ(at(*label), place) << label->Caption;
    for (const Label* heading : {&form.Label2, &form.Label3, &form.Label6})
        EXPECT_EQ((std::array{heading->Width, heading->Height}), (std::array{3255, 345})) << heading->Caption;
    for (std::size_t i = 0; i < 10; ++i) {
        const int top = 480 + 360 * static_cast<int>(i);
        EXPECT_EQ(at(form.Label4[i]), (std::array{i == 9 ? 0 : 120, top})) << i;
        EXPECT_EQ(at(form.Label1[i]), (std::array{240, top})) << i;
        EXPECT_EQ((std::array{form.Label1[i].Width, form.Label1[i].Height}), (std::array{585, 225})) << i;
        EXPECT_EQ(at(form.Score[i]), (std::array{2280, top})) << i;
        EXPECT_LE(form.Label4[i].Left + form.Label4[i].Width, form.Label1[i].Left) << i;
        EXPECT_GT(form.Label4[i].Width, 0) << i;
    }
    EXPECT_LE(form.Maxcombop.Left + form.Maxcombop.Width, form.Maxcombon.Left);
    EXPECT_LE(form.MaxpointsP.Left + form.MaxpointsP.Width, form.Maxpointsn.Left);
    form.forEachControl([](const ControlName& control, const auto& value) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, Label>) {
            EXPECT_LE(value.Left + value.Width, Form3::ScaleWidth) << control.name << control.index;
            EXPECT_LE(value.Top + value.Height, Form3::ScaleHeight) << control.name << control.index;
        } else {
            EXPECT_EQ((std::array{value.X1, value.X2, value.Y2 - value.Y1}), (std::array{0, Form3::ScaleWidth, 0}));
        }
    });
    std::string rules;
    for (const Rule& rule : form.Rules) rules += std::to_string(rule.Y1) + " ";
    EXPECT_EQ(rules, "360 4215 4560 5040 5400 ");
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
