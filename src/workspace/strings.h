#pragma once

#include <string>
#include <string_view>

// The program's string table: every text the user sees, in UTF-8, under the
// names of string_ids.h. Message k of a result code is string 400 + k.
namespace lorvex::strings {

// The string with this number in the language in use (localized()), or an
// empty text when there is none.
std::string_view byId(int id);

// The Portuguese text of the string with this number and the catalogue
// context its translation is found under (empty for most).
struct SourceText {
    std::string_view context;
    std::string_view portuguese;
};
SourceText sourceText(int id);

// The text shown for result code k > 0 (string 400 + k).
std::string_view message(int code);

// Caption of every error message box.
inline constexpr std::string_view kErrorCaption = "hmm...";

}  // namespace lorvex::strings
