#include "shell/record_text.h"

#include <cstdint>

namespace tumblehand {

namespace {

constexpr std::string_view Replacement = "\uFFFD";

// One character of UTF-8 text: its code point and how many bytes it takes; a length
// of 0 when the bytes there are not valid UTF-8 (overlong forms and surrogates included).
struct Utf8Char {
    char32_t codePoint;
    std::size_t length;
};

constexpr Utf8Char Invalid{0, 0};

Utf8Char decodeUtf8(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        return {lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return Invalid;
    }
    if (i + length > text.size()) return Invalid;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return Invalid;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return Invalid;
    return {value, length};
}

// C0 and C1 controls, DEL, and the Unicode line and paragraph separators: none of them
// belongs in a one-line name.
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029; }

}  // namespace

std::string storableText(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size() && chars < MaxRecordTextChars;) {
        const auto [c, length] = decodeUtf8(text, i);
        if (length == 0) {
            result += Replacement;
            ++chars;
            ++i;
            continue;
        }
        if (c == U'"') {
            result += QuoteStandIn;
            ++chars;
        } else if (!isControl(c)) {
            result.append(text.substr(i, length));
            ++chars;
        }
        i += length;
    }
    return result;
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = decodeUtf8(text, i).length;
        if (length == 0) return false;
        i += length;
    }
    return true;
}

bool isPlainInteger(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    if (text.empty()) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

}  // namespace tumblehand
