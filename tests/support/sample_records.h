#pragma once

#include "board/numbers.h"
#include "shell/records.h"
#include "shell/records_file.h"

#include <string>
#include <utility>

namespace tumblehand::testing {

/// A full table: places 1..10 score top, top - step, ..., held by P1 .. P10, odd places
/// quoted; best combo 7 held by AB, best points 900 held by CD.
inline Records sampleRecords(std::int64_t top = 10000, std::int64_t step = 1000) {
    Records records{.bestCombo = 7, .comboHolder = "AB", .bestPoints = 900, .pointsHolder = "CD"};
    for (std::size_t i = 0; i < 10; ++i) {
        records.scores[i] = {decimal(top - step * static_cast<std::int64_t>(i)), i % 2 == 0};
        records.names[i] = "P" + decimal(static_cast<std::int64_t>(i) + 1);
    }
    return records;
}

/// A records file as older versions wrote it, in Shift-JIS, and what it holds:
/// sampleRecords() with 山田 and 佐藤 at places 1 and 2, 鈴木 and 田中 holding the bests.
struct ShiftJisFile {
    Records records;
    std::string bytes;
};
inline ShiftJisFile shiftJisFile() {
    ShiftJisFile file{sampleRecords(), {}};
    Records& r = file.records;
    r.names[0] = "山田", r.names[1] = "佐藤", r.comboHolder = "鈴木", r.pointsHolder = "田中";
    file.bytes = recordsFileText(r);
    const std::pair<std::string, std::string> encoded[] = {{"山田", "\x8E\x52\x93\x63"},
                                                           {"佐藤", "\x8D\xB2\x93\xA1"},
                                                           {"鈴木", "\x97\xE9\x96\xD8"},
                                                           {"田中", "\x93\x63\x92\x86"}};
    for (const auto& [utf8, shiftJis] : encoded) file.bytes.replace(file.bytes.find(utf8), utf8.size(), shiftJis);
    return file;
}

}  // namespace tumblehand::testing
