#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tumblehand {

/// The text of bytes in Shift-JIS (code page 932, the encoding of older records files) as
/// UTF-8; none when the bytes are not such text or the system cannot convert it.
std::optional<std::string> utf8FromShiftJis(std::string_view bytes);

}  // namespace tumblehand
