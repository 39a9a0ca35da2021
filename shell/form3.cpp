#include "shell/form3.h"

#include "board/numbers.h"
#include "shell/records_file.h"

namespace tumblehand {

namespace {

constexpr Rgb HolderColor = 0x800080;
constexpr Rgb RecordColor = 0xC000C0;
constexpr std::array<Rgb, 3> PlaceColors = {colors::Red, colors::Orange, colors::Yellow};

}  // namespace

Form3::Form3() {
    Label2 = makeLabel(600, 0, 3255, 345, "High Score", colors::Blue);
    Label3 = makeLabel(600, 4250, 3255, 345, "Max Combo", colors::Blue);
    Label6 = makeLabel(600, 5060, 3255, 345, "Max Points", colors::Blue);
    for (std::size_t i = 0; i < 10; ++i) {
        const int top = 480 + 360 * static_cast<int>(i);
        const Rgb color = i < PlaceColors.size() ? PlaceColors[i] : colors::Black;
        // "10" is wider than the other place numbers, so it starts further left.
        Label4[i] = makeLabel(i == 9 ? 0 : 120, top, i == 9 ? 240 : 120, 225, decimal(static_cast<std::int64_t>(i) + 1),
                              colors::Black);
        Label1[i] = makeLabel(240, top, 585, 225, "Label", color);
        Score[i] = makeLabel(2280, top, 1815, 285, "0", color);
    }
    Maxcombop = makeLabel(120, 4680, 1935, 225, "Label", HolderColor);
    Maxcombon = makeLabel(2160, 4680, 1935, 285, "0", RecordColor);
    MaxpointsP = makeLabel(120, 5520, 1935, 225, "Label", HolderColor);
    Maxpointsn = makeLabel(2160, 5520, 1935, 285, "0", RecordColor);
    std::size_t next = 0;
    for (const int y : {360, 4215, 4560, 5040, 5400}) Rules[next++] = Rule{0, y, ScaleWidth, y};
}

void Form3::Form_Load(const std::string& recordsPath) {
    const Records records = readRecordsFile(recordsPath).records;
    Maxcombon.Caption = decimal(records.bestCombo) + "combo";
    Maxcombop.Caption = records.comboHolder;
    Maxpointsn.Caption = decimal(records.bestPoints) + "p";
    MaxpointsP.Caption = records.pointsHolder;
    for (std::size_t i = 0; i < 10; ++i) {
        Label1[i].Caption = records.names[i];
        Score[i].Caption = records.scores[i].text;
    }
}

}  // namespace tumblehand
