#include "board/card.h"

namespace tumblehand {

namespace {
constexpr std::array<std::string_view, 8> FaceNames = {"Spade", "Heart", "Diamond", "Club",
                                                       "Joker", "Pig",   "Back",    "Empty"};
}

std::string_view faceName(CardFace face) { return FaceNames[static_cast<std::size_t>(face)]; }

bool parseFaceName(std::string_view name, CardFace& face) {
    for (std::size_t i = 0; i < FaceNames.size(); ++i) {
        if (FaceNames[i] == name) {
            face = static_cast<CardFace>(i);
            return true;
        }
    }
    return false;
}

int RankValue(std::string_view rankText) {
    for (int rank = 1; rank <= 13; ++rank) {
        if (RankTexts[static_cast<std::size_t>(rank)] == rankText) return rank;
    }
    return 0;
}

}  // namespace tumblehand
