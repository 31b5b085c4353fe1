#include "cli/json_writer.h"

#include <cstdio>

namespace lorvex::cli {

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    quoted += escape;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

std::string jsonArray(const std::vector<std::string>& items) {
    std::string array = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) array += ", ";
        array += items[i];
    }
    return array + "]";
}

JsonObject& JsonObject::addRaw(std::string_view key, std::string_view json) {
    if (!body_.empty()) body_ += ", ";
    body_ += jsonString(key);
    body_ += ": ";
    body_ += json;
    return *this;
}

JsonObject& JsonObject::addString(std::string_view key, std::string_view text) {
    return addRaw(key, jsonString(text));
}

JsonObject& JsonObject::addBool(std::string_view key, bool value) {
    return addRaw(key, value ? "true" : "false");
}

JsonObject& JsonObject::addInt(std::string_view key, std::int64_t value) {
    return addRaw(key, std::to_string(value));
}

JsonObject& JsonObject::addNull(std::string_view key) {
    return addRaw(key, "null");
}

}  // namespace lorvex::cli
