#include "workspace/language.h"

#include <atomic>
#include <cstdlib>

namespace lorvex {
namespace {

std::atomic<Language> languageInUse{Language::Portuguese};

}  // namespace

Language languageFromEnvironment() {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value == nullptr || *value == '\0') continue;
        return std::string_view(value).starts_with("en") ? Language::English : Language::Portuguese;
    }
    return Language::Portuguese;
}

Language currentLanguage() {
    return languageInUse.load(std::memory_order_relaxed);
}

void setLanguage(Language language) {
    languageInUse.store(language, std::memory_order_relaxed);
}

std::string_view localized(std::string_view portuguese) {
    return portuguese;
}

}  // namespace lorvex
