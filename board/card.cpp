#include "board/card.h"

namespace tumblehand {

int RankValue(std::string_view rankText) {
    for (int rank = 1; rank <= 13; ++rank) {
        if (RankTexts[static_cast<std::size_t>(rank)] == rankText) return rank;
    }
    return 0;
}

}  // namespace tumblehand
