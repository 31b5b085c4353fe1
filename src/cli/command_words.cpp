#include "cli/command_words.h"

#include <algorithm>
#include <charconv>

namespace lorvex::cli {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

CommandWords::CommandWords(std::string_view line) : line_(line) {
    std::size_t position = 0;
    while (position < line.size()) {
        while (position < line.size() && isBlank(line[position]))
            ++position;
        const std::size_t start = position;
        while (position < line.size() && !isBlank(line[position]))
            ++position;
        if (position > start) words_.push_back(line.substr(start, position - start));
    }
}

std::string_view CommandWords::restFrom(std::size_t index) const {
    if (index >= words_.size()) return {};
    const auto offset = static_cast<std::size_t>(words_[index].data() - line_.data());
    return trimmed(line_.substr(offset));
}

std::optional<Assignment> splitAssignment(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Assignment{trimmed(text.substr(0, equals)), trimmed(text.substr(equals + 1))};
}

bool sameWord(std::string_view typed, std::string_view keyword) {
    return std::equal(
        typed.begin(), typed.end(), keyword.begin(), keyword.end(),
        [](char a, char b) { return a == b || (a >= 'A' && a <= 'Z' && a + 32 == b); });
}

std::optional<std::int32_t> letterNumber(std::string_view word) {
    if (word.size() != 1) return std::nullopt;
    const char c = word[0];
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
    if (c >= 'a' && c <= 'z') return c - 'a' + 1;
    return std::nullopt;
}

std::optional<std::int32_t> wholeInteger(std::string_view word) {
    std::int32_t value = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace lorvex::cli
