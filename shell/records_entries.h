#pragma once

#include "shell/records.h"
#include "shell/records_file.h"
#include "shell/records_lock.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tumblehand {

/// A record set in one game, with the name the player gave for it.
template <typename Value>
struct HeldRecord {
    Value value;
    std::string holder;
};

/// A score that entered the top ten, with the name the player gave for it.
struct TopTenEntry {
    ScoreField score;
    std::string name;
};

/// What one game over adds to the records file; each is set only when the player was
/// asked for a name for it.
struct RecordsEntries {
    std::optional<TopTenEntry> topTen;
    std::optional<HeldRecord<std::int32_t>> bestPoints;
    std::optional<HeldRecord<std::uint8_t>> bestCombo;
};

/// The index of the place a score takes in the table (0 = place 1): below every score it
/// only equals. 10 when it is not above any.
std::size_t topTenPlace(const Records& table, std::int32_t score);

/// The table with the entries put in: the score at its place among the table's scores
/// (the places below move down, the last is dropped; nothing when it makes no place), a
/// best only where it beats the table's, which otherwise stays with its holder.
Records withEntries(Records table, const RecordsEntries& entries);

/// Puts the entries into the records file of lock as it is at this moment: under the lock
/// that other copies of the game take too, it reads the file again, puts the entries in
/// and saves the result as saveRecordsFile() does. So a record another copy of the game
/// saved while this one asked for names stays. A lock that holds nothing (none could be
/// taken, or the player would not wait) saves all the same. First removes the temporary
/// files that copies killed in the middle of a save left beside the file.
RecordsSave saveRecordsEntries(const RecordsLock& lock, const RecordsEntries& entries);

}  // namespace tumblehand
