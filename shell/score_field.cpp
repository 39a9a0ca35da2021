#include "board/numbers.h"
#include "shell/records.h"

namespace tumblehand {

std::int32_t ScoreField::value() const { return leadingNumber(text); }

}  // namespace tumblehand
