// The language read from the environment, and texts looked up in the
// core's catalogue and in one of the test's own.

#include "workspace/language.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>

#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {
namespace {

constexpr std::array<const char*, 4> kVariables = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

// Sets the four variables (nullptr unsets one) for the life of the object.
class Environment {
  public:
    explicit Environment(const std::array<const char*, 4>& values) {
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            const char* old = std::getenv(kVariables[i]);
            saved_[i] = old ? std::optional<std::string>(old) : std::nullopt;
            set(kVariables[i], values[i]);
        }
    }
    ~Environment() {
        for (std::size_t i = 0; i < kVariables.size(); ++i)
            set(kVariables[i], saved_[i] ? saved_[i]->c_str() : nullptr);
    }

  private:
    static void set(const char* name, const char* value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    std::array<std::optional<std::string>, 4> saved_;
};

TEST(LanguageTest, TheFirstVariableSetAndNotEmptyDecides) {
    constexpr auto E = Language::English;
    constexpr auto P = Language::Portuguese;
    struct Case {
        std::array<const char*, 4> values;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        Language expected;
    };
    const Case cases[] = {
        {{nullptr, nullptr, nullptr, nullptr}, P},
        {{nullptr, nullptr, nullptr, "en_US.UTF-8"}, E},
        {{nullptr, nullptr, nullptr, "pt_BR.UTF-8"}, P},
        {{nullptr, nullptr, nullptr, "C"}, P},
        {{"en", "pt_BR.UTF-8", "pt_BR.UTF-8", "pt_BR.UTF-8"}, E},
        {{"pt_BR", "en_GB.UTF-8", "en_GB.UTF-8", "en_GB.UTF-8"}, P},
        {{nullptr, "en_US.UTF-8", "pt_BR.UTF-8", "pt_BR.UTF-8"}, E},
        {{nullptr, nullptr, "en_US.UTF-8", "pt_BR.UTF-8"}, E},
        {{"", "", "pt_BR.UTF-8", "en_US.UTF-8"}, P},
        {{"", "", "", "en_US.UTF-8"}, E},
    };
    for (const Case& c : cases) {
        Environment environment(c.values);
        EXPECT_EQ(languageFromEnvironment(), c.expected)
            << (c.values[0] ? c.values[0] : "-") << ' ' << (c.values[1] ? c.values[1] : "-") << ' '
            << (c.values[2] ? c.values[2] : "-") << ' ' << (c.values[3] ? c.values[3] : "-");
    }
}

TEST(LanguageTest, EveryTableTextIsTranslatedAndTextsAreFoundByContext) {
    int texts = 0;
    for (int id = 0; id < 2000; ++id) {
        const strings::SourceText source = strings::sourceText(id);
        if (source.portuguese.empty()) continue;
        ++texts;
        EXPECT_TRUE(hasTranslation(source.context, source.portuguese))
            << id << ": " << source.portuguese;
    }
    EXPECT_GT(texts, 300);

    EXPECT_EQ(strings::byId(strings::id::FileMenu), "&Arquivo");
    setLanguage(Language::English);
    EXPECT_EQ(strings::byId(strings::id::FileMenu), "&File");
    EXPECT_EQ(strings::message(17), "out of range ");
    EXPECT_EQ(localized("não está no catálogo"), "não está no catálogo");
    // language_test.po, a second catalogue beside the core's.
    EXPECT_EQ(localized("texto de teste"), "test text");
    EXPECT_EQ(localized("teste A", "texto de teste"), "test text A");
    EXPECT_EQ(localized("teste B", "texto de teste"), "test text B");
    EXPECT_EQ(localized("teste C", "texto de teste"), "texto de teste");
    setLanguage(Language::Portuguese);
    EXPECT_EQ(strings::message(17), "fora dos limites ");
}

}  // namespace
}  // namespace lorvex
