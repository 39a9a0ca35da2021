#include "shell/shift_jis.h"

#include <iconv.h>

namespace tumblehand {

std::optional<std::string> utf8FromShiftJis(std::string_view bytes) {
    const iconv_t converter = ::iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    // A Shift-JIS character of one or two bytes takes at most three in UTF-8.
    std::string text(bytes.size() * 3, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = text.data();
    std::size_t outLeft = text.size();
    const std::size_t converted = ::iconv(converter, &in, &inLeft, &out, &outLeft);
    ::iconv_close(converter);
    // An invalid or unfinished character stops the conversion: not Shift-JIS.
    if (converted == static_cast<std::size_t>(-1)) return std::nullopt;
    text.resize(text.size() - outLeft);
    return text;
}

}  // namespace tumblehand
