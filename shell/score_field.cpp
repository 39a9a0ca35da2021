#include "shell/records.h"

#include "board/numbers.h"

namespace tumblehand {

std::int32_t ScoreField::value() const { return leadingNumber(text); }

}  // namespace tumblehand
