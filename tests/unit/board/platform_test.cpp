#include "board/platform.h"

// All 32 bits set would round up to 1 in a float without care.
static_assert(tumblehand::unitFloat(0xFFFFFFFFu) < 1.0f);
