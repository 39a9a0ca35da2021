#include "hands/award.h"

#include "board/numbers.h"

namespace tumblehand {

void awardPoints(Form1& form, std::int32_t points) {
    form.Score.Caption = decimal(sum32(leadingNumber(form.Score.Caption), points));
    form.TotalS.Caption = decimal(sum32(leadingNumber(form.TotalS.Caption), points));
}

}  // namespace tumblehand
