#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tumblehand {

/// One score of the top-ten table, kept in the form it was read (quoted text or a
/// bare number) so that a rewrite keeps it.
struct ScoreField {
    std::string text = "0";  ///< the field's text: between the quotes, or the bare field
    bool quoted = false;     ///< written between double quotes

    /// The score as a number: the leading decimal number of its text.
    std::int32_t value() const;
    bool operator==(const ScoreField&) const = default;
};

/// The contents of the records file data.dat. A default Records is the valid starting
/// file: every number 0, every name empty.
struct Records {
    std::uint8_t bestCombo = 0;
    std::string comboHolder;
    std::int32_t bestPoints = 0;
    std::string pointsHolder;
    std::array<ScoreField, 10> scores{};  ///< index 0 = place 1
    std::array<std::string, 10> names{};

    bool operator==(const Records&) const = default;
};

}  // namespace tumblehand
