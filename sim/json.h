#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tumblehand::sim {

/// A JSON value as the dump builds it: objects keep their keys in insertion order.
class Json {
public:
    enum class Type { Null, Bool, Number, String, Array, Object };

    Json() = default;  ///< null
    Json(bool value);
    Json(std::int64_t value);
    Json(int value) : Json(static_cast<std::int64_t>(value)) {}
    Json(std::string value);
    Json(const char* value) : Json(std::string(value)) {}

    static Json array();
    static Json object();

    Type type() const { return type_; }

    /// Appends to an array; returns *this for chaining.
    Json& push(Json value);
    /// Adds a key to an object; returns *this for chaining.
    Json& add(std::string key, Json value);

    /// The element of an array, or the member of an object; null if absent.
    const Json* at(std::size_t index) const;
    const Json* member(std::string_view key) const;
    std::size_t size() const { return items_.size(); }

    /// Compact JSON text on one line.
    std::string write() const;
    /// The value as a scenario writes it: a string without quotes, anything else as JSON.
    std::string plainText() const;

private:
    void writeTo(std::string& out) const;

    Type type_ = Type::Null;
    bool flag_ = false;
    std::int64_t number_ = 0;
    std::string text_;
    std::vector<std::string> keys_;
    std::vector<Json> items_;
};

/// A JSON string literal: UTF-8 passes through, quotes, backslashes and control
/// characters are escaped, and bytes that are not UTF-8 become U+FFFD.
std::string jsonQuote(std::string_view text);

/// Looks up a dotted path ("state.FallingPair.0", "events.-1.kind", "events.length");
/// a negative index counts from the end. Null when the path leads nowhere; the
/// value for "length" is stored in scratch.
const Json* findPath(const Json& root, std::string_view path, Json& scratch);

}  // namespace tumblehand::sim
