#include "board/form1.h"
#include "board/numbers.h"
#include "shell/record_text.h"
#include "shell/records_file.h"
#include "shell/records_location.h"

namespace tumblehand {

namespace {

constexpr std::string_view Title = "Tumblehand";
constexpr std::string_view RecordTitle = "Tumblehand(最高記録)";

// Asks until the answer leaves a name that can be stored; the default stays the same.
std::string askName(Form1& form, const std::string& firstLine, std::string_view title,
                    const std::string& defaultName) {
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

}  // namespace

void Form1::GAMEOVER() {
    platform().messageBox("GAMEOVER", Title);

    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Timer3.setEnabled(false);
    state.DealTick = 0;
    // Left at 1 the second card of the deal-in would still answer Left and Right.
    state.DealPhase = 0;
    returnMoveCardToDeck();
    // A finished game is not suspended: a "↓" left from a pause would otherwise switch
    // gravity on over a pair that no longer falls at the next press.
    if (StopL.Caption == "↓") {
        StopL.Caption = "STOP";
        Chusi.Caption = "中断";
    }

    const std::string path = recordsPath(*this);
    const RecordsRead read = readRecordsFile(path);
    Records records = read.records;

    const std::size_t place = topTenPlace(records, leadingNumber(Score.Caption));
    if (place < records.scores.size()) {
        const std::string name = askName(*this, decimal(static_cast<std::int64_t>(place) + 1) + "位",
                                         "Tumblehand(ハイスコア)", records.names[place]);
        for (std::size_t j = records.scores.size() - 1; j > place; --j) {
            records.scores[j] = records.scores[j - 1];
            records.names[j] = records.names[j - 1];
        }
        records.scores[place] = {Score.Caption, true};
        records.names[place] = name;
    }

    // Another copy of the game may have written a higher best meanwhile: it is kept,
    // with its holder, rather than lowered.
    if (records.bestPoints < state.BestPoints) {
        records.pointsHolder = askName(*this, "最高記録" + decimal(state.BestPoints) + "points",
                                       RecordTitle, records.pointsHolder);
        records.bestPoints = state.BestPoints;
    }
    if (records.bestCombo < state.BestCombo) {
        records.comboHolder = askName(*this, "最高記録" + decimal(state.BestCombo) + "combo",
                                      RecordTitle, records.comboHolder);
        records.bestCombo = state.BestCombo;
    }

    const RecordsSave saved = saveRecordsFile(path, records, read.status);
    if (!saved.error.empty()) {
        platform().messageBox(saved.error, Title);
    } else if (!saved.backupPath.empty()) {
        platform().messageBox("記録ファイルを読み切れなかったため、元のファイルを残しました。\r\n" +
                                  saved.backupPath,
                              Title);
    }

    // The records window shows the file as it now is (the old one, if the save failed).
    form3().Form_Load(path);
}

}  // namespace tumblehand
