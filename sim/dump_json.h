#pragma once

#include <nlohmann/json_fwd.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace tumblehand::sim {

/// The dump's JSON: objects keep their keys in the order they were added.
using Json = nlohmann::ordered_json;

/// Compact JSON text on one line. Bytes that are not UTF-8 (a scenario may put any
/// bytes in a caption) become U+FFFD instead of failing the dump.
std::string jsonLine(const Json& value);

/// The value as a scenario writes it: a string without quotes, anything else as JSON.
std::string plainText(const Json& value);

/// Looks up a dotted path ("state.FallingPair.0", "events.-1.kind", "events.length");
/// a negative index counts from the end. Nothing when the path leads nowhere.
std::optional<Json> findPath(const Json& root, std::string_view path);

}  // namespace tumblehand::sim
