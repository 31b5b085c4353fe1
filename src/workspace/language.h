#pragma once

#include <cstdint>
#include <string_view>

namespace lorvex {

// The language of every text the user sees. Portuguese is the source
// language: each text is written in Portuguese in the code and looked up in
// the catalogue for the other languages.
enum class Language : std::uint8_t { Portuguese, English };

// The language of the environment, as Linux programs read it: the first of
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set and not empty; English
// for a value starting with "en", Portuguese otherwise. The variables are
// read directly, so a locale that is not installed still counts.
Language languageFromEnvironment();

// The language in use, Portuguese until set.
Language currentLanguage();
void setLanguage(Language language);

// The text in the language in use: the Portuguese text itself, or its
// translation from the catalogue (the text itself when it has none).
std::string_view localized(std::string_view portuguese);

// The same, for a text that needs a different translation in different
// places: `context` (a .po msgctxt) tells them apart.
std::string_view localized(std::string_view context, std::string_view portuguese);

// The text in the given language, whatever the language in use: a message
// that speaks the language just chosen.
std::string_view localizedIn(Language language, std::string_view portuguese);

// Whether a catalogue holds an English text for this Portuguese text.
bool hasTranslation(std::string_view context, std::string_view portuguese);

}  // namespace lorvex
