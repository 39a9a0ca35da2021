#pragma once

#include "board/form1.h"

namespace tumblehand {

/// The joker-keep marker lives in Label3's tag: JokerKeepMarker when set, empty when clear.
/// ComboCheck shows it after the joker rate too.
inline constexpr const char* JokerKeepMarker = "!";
inline bool jokerKeepSet(const Form1& form) { return form.Label3.Tag == JokerKeepMarker; }
inline void setJokerKeep(Form1& form) { form.Label3.Tag = JokerKeepMarker; }
inline void clearJokerKeep(Form1& form) { form.Label3.Tag.clear(); }

}  // namespace tumblehand
