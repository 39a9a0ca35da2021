#include "board/form1.h"
#include "board/numbers.h"
#include "shell/form3.h"
#include "shell/record_text.h"
#include "shell/records_file.h"
#include "shell/records_location.h"

namespace tumblehand {

namespace {

constexpr std::string_view Title = "Tumblehand";
constexpr std::string_view RecordTitle = "Tumblehand(最高記録)";

// Asks until the answer leaves a name that can be stored; the default stays the same.
std::string askName(Form1& form, const std::string& firstLine, std::string_view title, const std::string& defaultName) {
    const std::string prompt = firstLine + "\r\n" + "名前を入力してください";
    while (true) {
        std::string name = storableText(form.platform().inputBox(prompt, title, defaultName));
        if (!name.empty()) return name;
    }
}

// The place a score takes in the top ten: below every score it only equals. 10 = none.
std::size_t topTenPlace(const Records& records, std::int32_t score) {
    std::size_t place = 0;
    while (place < records.scores.size() && records.scores[place].value() >= score) ++place;
    return place;
}

// Play stops: no timer runs, no deal-in is under way, the sliding card is back on
// the deck and the game is not left suspended.
void endPlay(Form1& form) {
    form.Timer1.setEnabled(false);
    form.Timer2.setEnabled(false);
    form.Timer3.setEnabled(false);
    form.state.DealTick = 0;
    // Left at 1 the second card of the deal-in would still answer Left and Right.
    form.state.DealPhase = 0;
    form.returnMoveCardToDeck();
    // A finished game is not suspended: the paused caption left from a pause would otherwise switch
    // gravity on over a pair that no longer falls at the next press.
    if (form.StopL.Caption == Form1::PausedCaption) {
        form.StopL.Caption = "STOP";
        form.Chusi.Caption = "中断";
    }
}

// A score that makes the top ten goes in at its place, with the name the player gives.
void enterTopTen(Form1& form, Records& records) {
    const std::size_t place = topTenPlace(records, leadingNumber(form.Score.Caption));
    if (place >= records.scores.size()) return;
    const std::string name = askName(form, decimal(static_cast<std::int64_t>(place) + 1) + "位",
                                     "Tumblehand(ハイスコア)", records.names[place]);
    for (std::size_t j = records.scores.size() - 1; j > place; --j) {
        records.scores[j] = records.scores[j - 1];
        records.names[j] = records.names[j - 1];
    }
    records.scores[place] = {form.Score.Caption, true};
    records.names[place] = name;
}

// Another copy of the game may have written a higher best meanwhile: it is kept,
// with its holder, rather than lowered.
void enterBests(Form1& form, Records& records) {
    const GameState& state = form.state;
    if (records.bestPoints < state.BestPoints) {
        records.pointsHolder =
            askName(form, "最高記録" + decimal(state.BestPoints) + "points", RecordTitle, records.pointsHolder);
        records.bestPoints = state.BestPoints;
    }
    if (records.bestCombo < state.BestCombo) {
        records.comboHolder =
            askName(form, "最高記録" + decimal(state.BestCombo) + "combo", RecordTitle, records.comboHolder);
        records.bestCombo = state.BestCombo;
    }
}

// Tells the player when the save failed, or when a file it could not read was kept.
void saveRecords(Form1& form, const std::string& path, const Records& records, RecordsStatus statusOfExisting) {
    const RecordsSave saved = saveRecordsFile(path, records, statusOfExisting);
    if (!saved.error.empty()) {
        form.platform().messageBox(saved.error, Title);
    } else if (!saved.backupPath.empty()) {
        form.platform().messageBox(
            "記録ファイルを読み切れなかったため、元のファイルを残しました。\r\n" + saved.backupPath, Title);
    }
}

}  // namespace

void Form1::GAMEOVER() {
    platform().messageBox("GAMEOVER", Title);
    endPlay(*this);
    const std::string path = recordsPath(*this);
    const RecordsRead read = readRecordsFile(path);
    Records records = read.records;
    enterTopTen(*this, records);
    enterBests(*this, records);
    saveRecords(*this, path, records, read.status);
    // The records window shows the file as it now is (the old one, if the save failed).
    form3().Form_Load(path);
}

}  // namespace tumblehand
