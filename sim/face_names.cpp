#include "sim/face_names.h"

#include <array>

namespace tumblehand::sim {

namespace {
constexpr std::array<std::string_view, 8> FaceNames = {"Spade", "Heart", "Diamond", "Club",
                                                       "Joker", "Pig",   "Back",    "Empty"};
}

std::string_view faceName(CardFace face) { return FaceNames[static_cast<std::size_t>(face)]; }

std::optional<CardFace> parseFaceName(std::string_view name) {
    for (std::size_t i = 0; i < FaceNames.size(); ++i) {
        if (FaceNames[i] == name) return static_cast<CardFace>(i);
    }
    return std::nullopt;
}

}  // namespace tumblehand::sim
