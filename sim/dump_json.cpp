#include "sim/dump_json.h"

#include <nlohmann/json.hpp>

#include <charconv>

namespace tumblehand::sim {

std::string jsonLine(const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); }

std::string plainText(const Json& value) {
    return value.is_string() ? value.get_ref<const std::string&>() : jsonLine(value);
}

std::optional<Json> findPath(const Json& root, std::string_view path) {
    const Json* node = &root;
    while (true) {
        const std::size_t dot = path.find('.');
        const std::string_view segment = path.substr(0, dot);
        const bool last = dot == std::string_view::npos;
        if (node->is_array()) {
            if (segment == "length") return last ? std::optional<Json>(node->size()) : std::nullopt;
            std::int64_t index = 0;
            const auto [end, error] = std::from_chars(segment.data(), segment.data() + segment.size(), index);
            if (error != std::errc{} || end != segment.data() + segment.size()) return std::nullopt;
            if (index < 0) index += static_cast<std::int64_t>(node->size());
            if (index < 0 || static_cast<std::size_t>(index) >= node->size()) return std::nullopt;
            node = &(*node)[static_cast<std::size_t>(index)];
        } else if (node->is_object()) {
            const auto member = node->find(segment);
            if (member == node->end()) return std::nullopt;
            node = &*member;
        } else {
            return std::nullopt;
        }
        if (last) return *node;
        path.remove_prefix(dot + 1);
    }
}

}  // namespace tumblehand::sim
