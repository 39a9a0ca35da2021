#pragma once

#include "board/form1.h"

namespace tumblehand {

/// The joker-keep marker lives in Label3's tag: "!" when set, empty when clear.
inline bool jokerKeepSet(const Form1& form) { return form.Label3.Tag == "!"; }
inline void setJokerKeep(Form1& form) { form.Label3.Tag = "!"; }
inline void clearJokerKeep(Form1& form) { form.Label3.Tag.clear(); }

}  // namespace tumblehand
