#include "sim/state_fields.h"

#include "sim/face_names.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <functional>
#include <limits>
#include <optional>
#include <variant>

namespace tumblehand::sim {

namespace {

struct Field {
    std::string name;
    std::function<Json(const GameState&)> read;
    /// values are the words after the name; index is the element for FIELD.INDEX, or -1.
    std::function<std::string(GameState&, const std::vector<std::string>&, int index)> write;
};

/// The value of a word, or what is wrong with it.
template <typename T>
std::variant<T, std::string> parseValue(const std::string& word) {
    if constexpr (std::is_same_v<T, bool>) {
        if (word == "true") return true;
        if (word == "false") return false;
        return "not true or false: " + word;
    } else if constexpr (std::is_same_v<T, CardFace>) {
        const std::optional<CardFace> face = parseFaceName(word);
        if (!face) return "not a face name: " + word;
        return *face;
    } else {
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc{} || end != word.data() + word.size()) return "not an integer: " + word;
        if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
            return "out of range " + std::to_string(+std::numeric_limits<T>::min()) + ".." +
                   std::to_string(+std::numeric_limits<T>::max()) + ": " + word;
        }
        return static_cast<T>(value);
    }
}

template <typename T>
Json toJson(const T& value) {
    if constexpr (std::is_same_v<T, bool>) {
        return Json(value);
    } else if constexpr (std::is_same_v<T, CardFace>) {
        return Json(std::string(faceName(value)));
    } else {
        return Json(static_cast<std::int64_t>(value));
    }
}

template <typename T>
Field scalar(std::string name, T GameState::*member) {
    return {name, [member](const GameState& s) { return toJson(s.*member); },
            [member](GameState& s, const std::vector<std::string>& values, int index) -> std::string {
                if (index >= 0) return "not an array";
                if (values.size() != 1) return "expected 1 value, got " + std::to_string(values.size());
                auto value = parseValue<T>(values[0]);
                if (auto* error = std::get_if<std::string>(&value)) return *error;
                s.*member = std::get<T>(value);
                return {};
            }};
}

template <typename T, std::size_t N>
Field array(std::string name, std::array<T, N> GameState::*member) {
    return {name,
            [member](const GameState& s) {
                Json json = Json::array();
                for (const T& value : s.*member) json.push_back(toJson(value));
                return json;
            },
            [member](GameState& s, const std::vector<std::string>& values, int index) -> std::string {
                const std::size_t expected = index >= 0 ? 1 : N;
                if (values.size() != expected) {
                    return "expected " + std::to_string(expected) + " values, got " + std::to_string(values.size());
                }
                if (index >= static_cast<int>(N)) return "index out of range 0.." + std::to_string(N - 1);
                // Parse everything first so that a bad value leaves the field as it was.
                std::array<T, N> parsed = s.*member;
                for (std::size_t i = 0; i < values.size(); ++i) {
                    const std::size_t target = index >= 0 ? static_cast<std::size_t>(index) : i;
                    auto value = parseValue<T>(values[i]);
                    if (auto* error = std::get_if<std::string>(&value)) return *error;
                    parsed[target] = std::get<T>(value);
                }
                s.*member = parsed;
                return {};
            }};
}

const std::vector<Field>& fields() {
    static const std::vector<Field> table = {
        scalar("DealTick", &GameState::DealTick),
        scalar("DrawSuit", &GameState::DrawSuit),
        array("NextCodes", &GameState::NextCodes),
        scalar("DealPhase", &GameState::DealPhase),
        array("FallingPair", &GameState::FallingPair),
        scalar("GravityInterval", &GameState::GravityInterval),
        scalar("PairOrientation", &GameState::PairOrientation),
        array("HandFlags", &GameState::HandFlags),
        scalar("MatchTally", &GameState::MatchTally),
        array("CellMarks", &GameState::CellMarks),
        scalar("FlushFace", &GameState::FlushFace),
        scalar("BlinkTick", &GameState::BlinkTick),
        scalar("ResolvedHand", &GameState::ResolvedHand),
        scalar("ResolvedRowFirst", &GameState::ResolvedRowFirst),
        scalar("ResolvedRowLast", &GameState::ResolvedRowLast),
        scalar("ComboCount", &GameState::ComboCount),
        scalar("ScoreMultiplier", &GameState::ScoreMultiplier),
        scalar("JokerWeight", &GameState::JokerWeight),
        scalar("Level", &GameState::Level),
        scalar("HideNext", &GameState::HideNext),
        scalar("NowDealt", &GameState::NowDealt),
        scalar("BestCombo", &GameState::BestCombo),
        scalar("PigWeight", &GameState::PigWeight),
        scalar("BestPoints", &GameState::BestPoints),
        scalar("PigBoost", &GameState::PigBoost),
        scalar("JokerBoost", &GameState::JokerBoost),
    };
    return table;
}

}  // namespace

Json stateJson(const GameState& state) {
    Json json = Json::object();
    for (const Field& field : fields()) json[field.name] = field.read(state);
    return json;
}

std::string setStateField(GameState& state, std::string_view field, const std::vector<std::string>& values) {
    std::string_view name = field;
    int index = -1;
    if (const auto dot = field.find('.'); dot != std::string_view::npos) {
        name = field.substr(0, dot);
        const std::string_view digits = field.substr(dot + 1);
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
        if (error != std::errc{} || end != digits.data() + digits.size() || index < 0) {
            return "not an element index: " + std::string(field);
        }
    }
    for (const Field& entry : fields()) {
        if (entry.name == name) {
            const std::string error = entry.write(state, values, index);
            return error.empty() ? error : std::string(field) + ": " + error;
        }
    }
    return "no such state field: " + std::string(name);
}

std::vector<std::string> stateFieldNames() {
    std::vector<std::string> names;
    for (const Field& field : fields()) names.push_back(field.name);
    return names;
}

}  // namespace tumblehand::sim
