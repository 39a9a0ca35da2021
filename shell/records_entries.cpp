#include "shell/records_entries.h"

#include "shell/records_lock.h"

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

RecordsSave saveRecordsEntries(const std::string& path, const RecordsEntries& entries) {
    const RecordsLock lock(path);
    const RecordsRead now = readRecordsFile(path);
    return saveRecordsFile(path, withEntries(now.records, entries), now.status);
}

}  // namespace tumblehand
