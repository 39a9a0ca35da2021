#include "sim/json.h"

#include <charconv>

namespace tumblehand::sim {

Json::Json(bool value) : type_(Type::Bool), flag_(value) {}
Json::Json(std::int64_t value) : type_(Type::Number), number_(value) {}
Json::Json(std::string value) : type_(Type::String), text_(std::move(value)) {}

Json Json::array() {
    Json json;
    json.type_ = Type::Array;
    return json;
}

Json Json::object() {
    Json json;
    json.type_ = Type::Object;
    return json;
}

Json& Json::push(Json value) {
    items_.push_back(std::move(value));
    return *this;
}

Json& Json::add(std::string key, Json value) {
    keys_.push_back(std::move(key));
    items_.push_back(std::move(value));
    return *this;
}

const Json* Json::at(std::size_t index) const {
    if (type_ != Type::Array || index >= items_.size()) return nullptr;
    return &items_[index];
}

const Json* Json::member(std::string_view key) const {
    if (type_ != Type::Object) return nullptr;
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (keys_[i] == key) return &items_[i];
    }
    return nullptr;
}

namespace {

// Length of the well-formed UTF-8 sequence at the start of text, 0 if it is not one.
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

}  // namespace

std::string jsonQuote(std::string_view text) {
    static constexpr char Hex[] = "0123456789abcdef";
    std::string out = "\"";
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += Hex[c >> 4];
            out += Hex[c & 0xF];
        } else if (c >= 0x80) {
            const std::size_t length = utf8Length(text.substr(i));
            if (length == 0) {
                out += "\\ufffd";
                ++i;
                continue;
            }
            out += text.substr(i, length);
            i += length;
            continue;
        } else {
            out += static_cast<char>(c);
        }
        ++i;
    }
    out += '"';
    return out;
}

void Json::writeTo(std::string& out) const {
    switch (type_) {
        case Type::Null: out += "null"; break;
        case Type::Bool: out += flag_ ? "true" : "false"; break;
        case Type::Number: out += std::to_string(number_); break;
        case Type::String: out += jsonQuote(text_); break;
        case Type::Array:
            out += '[';
            for (std::size_t i = 0; i < items_.size(); ++i) {
                if (i > 0) out += ',';
                items_[i].writeTo(out);
            }
            out += ']';
            break;
        case Type::Object:
            out += '{';
            for (std::size_t i = 0; i < items_.size(); ++i) {
                if (i > 0) out += ',';
                out += jsonQuote(keys_[i]);
                out += ':';
                items_[i].writeTo(out);
            }
            out += '}';
            break;
    }
}

std::string Json::write() const {
    std::string out;
    writeTo(out);
    return out;
}

std::string Json::plainText() const { return type_ == Type::String ? text_ : write(); }

const Json* findPath(const Json& root, std::string_view path, Json& scratch) {
    const Json* node = &root;
    while (node) {
        const std::size_t dot = path.find('.');
        const std::string_view segment = path.substr(0, dot);
        if (node->type() == Json::Type::Array) {
            std::int64_t index = 0;
            const auto [end, error] = std::from_chars(segment.data(), segment.data() + segment.size(), index);
            if (segment == "length") {
                scratch = Json(static_cast<std::int64_t>(node->size()));
                node = &scratch;
            } else if (error != std::errc{} || end != segment.data() + segment.size()) {
                return nullptr;
            } else {
                if (index < 0) index += static_cast<std::int64_t>(node->size());
                node = index < 0 ? nullptr : node->at(static_cast<std::size_t>(index));
            }
        } else {
            node = node->member(segment);
        }
        if (dot == std::string_view::npos) return node;
        path.remove_prefix(dot + 1);
    }
    return nullptr;
}

}  // namespace tumblehand::sim
