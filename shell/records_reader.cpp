#include "board/numbers.h"
#include "shell/record_text.h"
#include "shell/records_file.h"
#include "shell/shift_jis.h"

#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace tumblehand {

namespace {

struct Field {
    std::string text;
    bool quoted = false;
    bool wellFormed = true;
};

// The fields of one line: a quoted field runs to its closing quote, an unquoted one
// to the next comma. Anything between a closing quote and the next comma is dropped.
std::vector<Field> splitFields(std::string_view line) {
    std::vector<Field> fields;
    std::size_t i = 0;
    while (true) {
        Field field;
        if (i < line.size() && line[i] == '"') {
            field.quoted = true;
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                field.text = line.substr(i + 1);
                field.wellFormed = false;
                fields.push_back(std::move(field));
                return fields;
            }
            field.text = line.substr(i + 1, close - i - 1);
            i = close + 1;
            const std::size_t comma = line.find(',', i);
            const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
            if (end != i) field.wellFormed = false;
            i = end;
        } else {
            const std::size_t comma = line.find(',', i);
            const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
            field.text = line.substr(i, end - i);
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size()) return fields;
        ++i;  // the comma
    }
}

// Lines split at LF, a CR before it dropped; a UTF-8 byte order mark is skipped. The
// line end of the last line is optional.
std::vector<std::string_view> splitLines(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (lf == std::string_view::npos) break;
        text.remove_prefix(lf + 1);
    }
    return lines;
}

// The value of a whole decimal number, saturating far beyond any field's range.
std::int64_t wideValue(std::string_view text) {
    bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    constexpr std::int64_t Limit = std::int64_t{1} << 40;
    std::int64_t value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
        if (value > Limit) value = Limit;
    }
    return negative ? -value : value;
}

class Reader {
public:
    bool ok = true;

    template <typename Int>
    Int number(const Field* field) {
        if (!field || field->text.empty()) return 0;
        if (!field->wellFormed) ok = false;
        std::int64_t value = 0;
        if (isPlainInteger(field->text)) {
            value = wideValue(field->text);
        } else {
            value = leadingNumber(field->text);
            ok = false;
        }
        constexpr std::int64_t Low = std::numeric_limits<Int>::min();
        constexpr std::int64_t High = std::numeric_limits<Int>::max();
        if (value < Low || value > High) {
            ok = false;
            value = value < Low ? Low : High;
        }
        return static_cast<Int>(value);
    }

    std::string text(const Field* field) {
        if (!field) return {};
        if (!field->wellFormed) ok = false;
        std::string kept = storableText(field->text);
        if (kept != field->text) ok = false;
        return kept;
    }

    ScoreField score(const Field* field) {
        if (!field) return {};
        if (!field->wellFormed) ok = false;
        if (field->quoted) return {text(field), true};
        const std::string& raw = field->text;
        if (raw.empty()) return {"", false};
        if (isPlainInteger(raw) && raw.size() <= 11) {
            const std::int64_t value = wideValue(raw);
            if (value >= std::numeric_limits<std::int32_t>::min() &&
                value <= std::numeric_limits<std::int32_t>::max()) {
                return {raw, false};
            }
        }
        // Not a number that fits: keep its value, clamped, as a plain number.
        ok = false;
        return {decimal(number<std::int32_t>(field)), false};
    }
};

const Field* at(const std::vector<Field>& fields, std::size_t i) { return i < fields.size() ? &fields[i] : nullptr; }

RecordsRead parse(std::string_view content) {
    const std::vector<std::string_view> lines = splitLines(content);
    Reader reader;
    std::vector<std::vector<Field>> lineFields;
    for (std::size_t n = 0; n < 3; ++n) {
        lineFields.push_back(n < lines.size() ? splitFields(lines[n]) : std::vector<Field>{});
    }
    const std::size_t expected[3] = {4, 10, 10};
    for (std::size_t n = 0; n < 3; ++n) {
        if (lineFields[n].size() != expected[n]) reader.ok = false;
    }
    for (std::size_t n = 3; n < lines.size(); ++n) {
        if (!lines[n].empty()) reader.ok = false;
    }

    RecordsRead read;
    Records& records = read.records;
    records.bestCombo = reader.number<std::uint8_t>(at(lineFields[0], 0));
    records.comboHolder = reader.text(at(lineFields[0], 1));
    records.bestPoints = reader.number<std::int32_t>(at(lineFields[0], 2));
    records.pointsHolder = reader.text(at(lineFields[0], 3));
    for (std::size_t i = 0; i < 10; ++i) {
        records.scores[i] = reader.score(at(lineFields[1], i));
        records.names[i] = reader.text(at(lineFields[2], i));
    }
    read.status = reader.ok ? RecordsStatus::Ok : RecordsStatus::Malformed;
    return read;
}

}  // namespace

RecordsRead readRecordsFile(const std::string& path) {
    namespace fs = std::filesystem;
    RecordsRead read;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        read.status = RecordsStatus::Missing;
        return read;
    }
    if (error || status.type() != fs::file_type::regular) {
        read.status = RecordsStatus::Unreadable;
        return read;
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > MaxRecordsFileBytes) {
        read.status = RecordsStatus::TooLarge;
        return read;
    }

    std::ifstream in(path, std::ios::binary);
    if (!in) {
        read.status = RecordsStatus::Unreadable;
        return read;
    }
    // Read one byte more than allowed, in case the file grew since its size was taken.
    std::string content(MaxRecordsFileBytes + 1, '\0');
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    if (in.bad()) {
        read.status = RecordsStatus::Unreadable;
        return read;
    }
    content.resize(static_cast<std::size_t>(in.gcount()));
    if (content.size() > MaxRecordsFileBytes) {
        read.status = RecordsStatus::TooLarge;
        return read;
    }
    // Older records files are in Shift-JIS. A file that is UTF-8 is read as UTF-8 even
    // when its bytes would also make Shift-JIS text, since every file this game writes is.
    if (!isUtf8(content)) {
        if (const std::optional<std::string> converted = utf8FromShiftJis(content)) {
            read = parse(*converted);
            if (read.status == RecordsStatus::Ok) read.status = RecordsStatus::ShiftJis;
            return read;
        }
    }
    return parse(content);
}

}  // namespace tumblehand
