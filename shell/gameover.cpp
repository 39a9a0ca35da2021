#include "board/form1.h"
#include "board/numbers.h"
#include "shell/form3.h"
#include "shell/record_text.h"
#include "shell/records_entries.h"
#include "shell/records_lock.h"

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

// A score that makes the top ten in the file as it was read asks for a name.
std::optional<TopTenEntry> askTopTen(Form1& form, const Records& read) {
    const std::size_t place = topTenPlace(read, leadingNumber(form.Score.Caption));
    if (place >= read.scores.size()) return std::nullopt;
    TopTenEntry entry;
    entry.score = {form.Score.Caption, true};
    entry.name = askName(form, decimal(static_cast<std::int64_t>(place) + 1) + "位", "Tumblehand(ハイスコア)",
                         read.names[place]);
    return entry;
}

// A best above the file's as it was read asks for a name. Another copy of the game may
// have raised it meanwhile: then nothing is asked, and the higher best stays.
template <typename Value>
std::optional<HeldRecord<Value>> askBest(Form1& form, Value read, const std::string& holder, Value game,
                                         std::string_view unit) {
    if (read >= game) return std::nullopt;
    return HeldRecord<Value>{game, askName(form, "最高記録" + decimal(game) + std::string(unit), RecordTitle, holder)};
}

// The prompts in their order: top ten, best points, best combo.
RecordsEntries askNames(Form1& form, const Records& read) {
    const GameState& state = form.state;
    return {askTopTen(form, read), askBest(form, read.bestPoints, read.pointsHolder, state.BestPoints, "points"),
            askBest(form, read.bestCombo, read.comboHolder, state.BestCombo, "combo")};
}

constexpr std::string_view AnotherCopySaving =
    "別の Tumblehand が記録を保存しています。\r\n"
    "終わりしだい、この記録を保存します。";

// Saves under the lock that copies of the game share. While another copy holds it the
// window waits with the player, who may give up waiting: the entries are then saved
// without it.
RecordsSave saveAt(Form1& form, const std::string& path, const RecordsEntries& entries) {
    RecordsLock lock(path);
    if (lock.busy() && !form.platform().waitUntil(AnotherCopySaving, Title, [&] { return lock.tryAgain(); })) {
        lock.giveUp();
    }
    return saveRecordsEntries(lock, entries);
}

// Tells the player when the save failed, or where a file it replaced was kept. A save
// that fails looks again where the records can live (the program's folder may have
// become read-only since the game opened), and saves there if that is elsewhere.
void saveRecords(Form1& form, const std::string& path, const RecordsEntries& entries) {
    RecordsSave saved = saveAt(form, path, entries);
    if (!saved.error.empty() && form.settleRecordsFile() != path) saved = saveAt(form, form.recordsFile(), entries);
    if (!saved.error.empty()) {
        form.platform().messageBox(saved.error, Title);
    } else if (saved.replaced == RecordsStatus::ShiftJis) {
        form.platform().messageBox(
            "記録ファイルを Shift-JIS から UTF-8 に書き換え、元のファイルを残しました。\r\n" + saved.backupPath, Title);
    } else if (!saved.backupPath.empty()) {
        form.platform().messageBox(
            "記録ファイルを読み切れなかったため、元のファイルを残しました。\r\n" + saved.backupPath, Title);
    }
}

}  // namespace

void Form1::GAMEOVER() {
    platform().messageBox("GAMEOVER", Title);
    endPlay(*this);
    const std::string path = recordsFile();
    // The names are asked against the file as it is now; the save puts them into the
    // file as it is then, which another copy of the game may have changed meanwhile.
    const Records read = readRecordsFile(path).records;
    saveRecords(*this, path, askNames(*this, read));
    // The records window shows the file as it now is (the old one, if the save failed).
    form3().Form_Load(recordsFile());
}

}  // namespace tumblehand
