#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// How a script line is taken apart: words separated by blanks, letters and
// numbers in them, and the free text that some commands take last.
namespace lorvex::cli {

// The text without its leading and trailing blanks and tabs.
std::string_view trimmed(std::string_view text);

// The words of one command line. The line must outlive the words.
class CommandWords {
  public:
    explicit CommandWords(std::string_view line);

    std::size_t size() const { return words_.size(); }
    std::string_view operator[](std::size_t index) const { return words_[index]; }
    // The line from word `index` on, as typed (blanks inside kept); empty
    // when there is no such word.
    std::string_view restFrom(std::size_t index) const;

  private:
    std::string_view line_;
    std::vector<std::string_view> words_;
};

// "NAME = TEXT" after a command's keyword, with or without blanks around
// "=": the name and the text, both trimmed.
struct Assignment {
    std::string_view name;
    std::string_view text;
};
std::optional<Assignment> splitAssignment(std::string_view text);

// Whether a typed word is the keyword, written in lower case, in any case.
bool sameWord(std::string_view typed, std::string_view keyword);

// The number of a matrix letter, "A" ... "Z" in either case: 1 ... 26.
std::optional<std::int32_t> letterNumber(std::string_view word);

// A whole word read as a decimal integer (an optional "-", then digits).
std::optional<std::int32_t> wholeInteger(std::string_view word);

}  // namespace lorvex::cli
