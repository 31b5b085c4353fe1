#include "toolkit/language_choice.h"

#include <QActionGroup>
#include <QMenu>
#include <optional>
#include <string_view>

#include "toolkit/program_settings.h"
#include "toolkit/qt_text.h"
#include "workspace/prompter.h"

namespace lorvex {
namespace {

const QString kLanguageKey = QStringLiteral("language");

struct LanguageItem {
    Language language;
    const char* code;
    const char* text;
    const char* objectName;
};

// Each language is named in itself, so that either can be found whatever the
// language in use.
constexpr LanguageItem kItems[] = {
    {Language::Portuguese, "pt", "&Português", "languagePortuguese"},
    {Language::English, "en", "&English", "languageEnglish"},
};

std::optional<Language> savedLanguage() {
    const QString saved = programSettings()->value(kLanguageKey).toString();
    for (const LanguageItem& item : kItems) {
        if (saved == QLatin1String(item.code)) return item.language;
    }
    return std::nullopt;
}

// The language chosen last, or else the one in use.
Language chosenLanguage() {
    return savedLanguage().value_or(currentLanguage());
}

// The choice is kept even when it changes nothing now, so that the language
// no longer follows the environment.
void choose(const LanguageItem& item, Prompter& prompter) {
    const bool changed = item.language != chosenLanguage();
    programSettings()->setValue(kLanguageKey, QLatin1String(item.code));
    if (!changed) return;
    // The message speaks the language just chosen, not the one in use.
    const std::string_view message =
        localizedIn(item.language, "O idioma escolhido vale a partir do próximo início do lorvex.");
    prompter.messageBox("lorvex", message, Prompter::Buttons::Ok);
}

}  // namespace

Language startLanguage() {
    return savedLanguage().value_or(languageFromEnvironment());
}

void addLanguageMenu(QMenu* menu, Prompter& prompter) {
    QMenu* languages = menu->addMenu(uiText("Idioma / Language"));
    languages->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(languages);
    for (const LanguageItem& item : kItems) {
        QAction* action = languages->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QLatin1String(item.objectName));
        action->setCheckable(true);
        action->setData(static_cast<int>(item.language));
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, languages,
                         [&item, &prompter] { choose(item, prompter); });
    }
    // Another window's menu may have changed the choice since.
    const auto showChoice = [group] {
        const int chosen = static_cast<int>(chosenLanguage());
        for (QAction* action : group->actions())
            action->setChecked(action->data().toInt() == chosen);
    };
    showChoice();
    QObject::connect(languages, &QMenu::aboutToShow, languages, showChoice);
}

}  // namespace lorvex
