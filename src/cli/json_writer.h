#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The few pieces of JSON that the command-line program writes.
namespace lorvex::cli {

// A JSON string: the UTF-8 text in quotes, with quotes, backslashes and
// control characters escaped.
std::string jsonString(std::string_view text);

// A JSON array of values that are already JSON text.
std::string jsonArray(const std::vector<std::string>& items);

// One JSON object, its fields written in the order they are added.
class JsonObject {
  public:
    JsonObject& addString(std::string_view key, std::string_view text);
    JsonObject& addBool(std::string_view key, bool value);
    JsonObject& addInt(std::string_view key, std::int64_t value);
    JsonObject& addNull(std::string_view key);
    // A value that is already JSON text (an object, an array).
    JsonObject& addRaw(std::string_view key, std::string_view json);

    std::string text() const { return "{" + body_ + "}"; }

  private:
    std::string body_;
};

}  // namespace lorvex::cli
