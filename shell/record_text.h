#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tumblehand {

/// A name or score text keeps at most this many characters, so that a records file
/// always stays far below the size a reader accepts.
inline constexpr std::size_t MaxRecordTextChars = 256;

/// Stands in for a double quote inside a name: names are stored between double quotes
/// without escaping, so a real one would end the name early.
inline constexpr std::string_view QuoteStandIn = "\u201D";  // RIGHT DOUBLE QUOTATION MARK

/// The text as it can be stored between quotes: a double quote becomes QuoteStandIn,
/// line breaks and other control characters are removed, bytes that are not UTF-8
/// become U+FFFD, and the text is cut after MaxRecordTextChars characters. Anything
/// else (Japanese included) is kept as typed.
std::string storableText(std::string_view text);

/// True when every byte of text belongs to a valid UTF-8 character (no overlong forms,
/// no surrogates).
bool isUtf8(std::string_view text);

/// True for an optional "-" followed by one or more decimal digits, nothing else.
bool isPlainInteger(std::string_view text);

}  // namespace tumblehand
