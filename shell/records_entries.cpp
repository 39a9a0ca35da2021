#include "shell/records_entries.h"

#include "shell/file_io.h"
#include "shell/records_lock.h"

#include <filesystem>

namespace tumblehand {

std::size_t topTenPlace(const Records& table, std::int32_t score) {
    std::size_t place = 0;
    while (place < table.scores.size() && table.scores[place].value() >= score) ++place;
    return place;
}

Records withEntries(Records table, const RecordsEntries& entries) {
    if (entries.topTen) {
        const std::size_t place = topTenPlace(table, entries.topTen->score.value());
        if (place < table.scores.size()) {
            for (std::size_t j = table.scores.size() - 1; j > place; --j) {
                table.scores[j] = table.scores[j - 1];
                table.names[j] = table.names[j - 1];
            }
            table.scores[place] = entries.topTen->score;
            table.names[place] = entries.topTen->name;
        }
    }
    if (entries.bestPoints && table.bestPoints < entries.bestPoints->value) {
        table.bestPoints = entries.bestPoints->value;
        table.pointsHolder = entries.bestPoints->holder;
    }
    if (entries.bestCombo && table.bestCombo < entries.bestCombo->value) {
        table.bestCombo = entries.bestCombo->value;
        table.comboHolder = entries.bestCombo->holder;
    }
    return table;
}

RecordsSave saveRecordsEntries(const RecordsLock& lock, const RecordsEntries& entries) {
    const std::string& path = lock.recordsPath();
    const std::filesystem::path file(path);
    // What a copy killed in the middle of its save left. Temporary names without a process
    // id were only ever made under this lock, so while it is held none of them is in use.
    const std::string folder = file.has_parent_path() ? file.parent_path().string() : std::string(".");
    removeLeftTemporaries(folder, file.filename().string(), lock.held());
    const RecordsRead now = readRecordsFile(path);
    return saveRecordsFile(path, withEntries(now.records, entries), now.status);
}

}  // namespace tumblehand
