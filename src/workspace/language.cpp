#include "workspace/language.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <tuple>

#include "workspace/catalogue.h"

namespace lorvex {
namespace {

std::atomic<Language> languageInUse{Language::Portuguese};

// Filled while the program starts, read-only afterwards.
constinit Catalogue* firstCatalogue = nullptr;

const CatalogueEntry* find(std::string_view context, std::string_view portuguese) {
    const auto key = std::tie(context, portuguese);
    for (const Catalogue* catalogue = firstCatalogue; catalogue; catalogue = catalogue->next) {
        const auto entries = catalogue->entries;
        const auto found = std::lower_bound(
            entries.begin(), entries.end(), key, [](const CatalogueEntry& entry, const auto& k) {
                return std::tie(entry.context, entry.portuguese) < k;
            });
        if (found != entries.end() && found->context == context && found->portuguese == portuguese)
            return &*found;
    }
    return nullptr;
}

std::string_view inLanguage(Language language, std::string_view context,
                            std::string_view portuguese) {
    if (language != Language::English) return portuguese;
    const CatalogueEntry* entry = find(context, portuguese);
    return entry ? entry->english : portuguese;
}

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
    return localized({}, portuguese);
}

std::string_view localized(std::string_view context, std::string_view portuguese) {
    return inLanguage(currentLanguage(), context, portuguese);
}

std::string_view localizedIn(Language language, std::string_view portuguese) {
    return inLanguage(language, {}, portuguese);
}

bool hasTranslation(std::string_view context, std::string_view portuguese) {
    return find(context, portuguese) != nullptr;
}

bool registerCatalogue(Catalogue& catalogue) {
    catalogue.next = firstCatalogue;
    firstCatalogue = &catalogue;
    return true;
}

}  // namespace lorvex
