#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workspace/string_ids.h"
#include "workspace/strings.h"
#include "workspace/window_settings.h"

namespace lorvex {

// The questions an operation asks the user in its middle. The program answers
// them with dialogs; tests and the command-line program with scripted answers.
class Prompter {
  public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    // The platform's dialog codes.
    enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    virtual ~Prompter() = default;

    // A message box with a caption and a text; returns the button pressed.
    virtual Answer messageBox(std::string_view caption, std::string_view text, Buttons buttons) = 0;

    // A dialog of labelled text fields, with an optional check box. A field
    // may have a line of text above it ("até" between the ends of a range).
    struct Field {
        std::string label;
        std::string text;
        std::string above{};
    };
    struct FieldsRequest {
        std::string title;
        std::vector<Field> fields;
        std::optional<std::string> checkLabel{};
        bool checked = false;
    };
    struct FieldsAnswer {
        std::vector<std::string> texts;
        bool checked = false;
    };
    // The texts typed on "ok", nothing on "cancelar".
    virtual std::optional<FieldsAnswer> askFields(const FieldsRequest& request) = 0;

    // A dialog of radio-button groups: one labelled option is chosen in each
    // group. `closeLabel` names the button that leaves without choosing.
    struct ChoicesRequest {
        std::string title;
        std::vector<std::vector<std::string>> groups;
        std::vector<int> initial;  // the option chosen at first in each group
        std::string closeLabel = std::string(strings::byId(strings::id::Cancel));
    };
    // The index of the option chosen in each group on "ok", nothing otherwise.
    virtual std::optional<std::vector<int>> askChoices(const ChoicesRequest& request) = 0;

    // File dialogs: `filter` is "description|pattern"; the path chosen, or
    // nothing when cancelled.
    virtual std::optional<std::string> askOpenFile(std::string_view filter,
                                                   std::string_view initialName) = 0;
    virtual std::optional<std::string> askSaveFile(std::string_view filter,
                                                   std::string_view defaultExtension,
                                                   std::string_view proposedName) = 0;

    // The font dialog for one font of a window, titled with the font's name
    // and opened on its current face, size, effects and colour: the font
    // chosen (its point size in tenths as the record's extra value), or
    // nothing when cancelled.
    struct FontRequest {
        std::string title;
        FontSetting current;
    };
    virtual std::optional<FontSetting> askFont(const FontRequest& request) = 0;

    // A message box whose buttons carry the given labels: the index of the
    // button pressed, nothing when the box was closed without one. Where no
    // one can be asked the box is closed.
    virtual std::optional<std::size_t> askButtons(std::string_view /*caption*/,
                                                  std::string_view /*text*/,
                                                  const std::vector<std::string>& /*labels*/) {
        return std::nullopt;
    }
};

// A prompter for work without dialogs, where every command names its files
// and gives its fields itself: field, choice, file and font dialogs are cancelled,
// and only message boxes are left to answer.
class DialogFreePrompter : public Prompter {
  public:
    std::optional<FieldsAnswer> askFields(const FieldsRequest&) override { return std::nullopt; }
    std::optional<std::vector<int>> askChoices(const ChoicesRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> askOpenFile(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> askSaveFile(std::string_view, std::string_view,
                                           std::string_view) override {
        return std::nullopt;
    }
    std::optional<FontSetting> askFont(const FontRequest&) override { return std::nullopt; }
};

// "sobreescrever o arquivo existente?" under "cuidado!": true only for Yes.
bool confirmOverwrite(Prompter& prompter);

// The message of a positive result code under the caption "hmm...";
// nothing for success or a user stop. A `subject` (the file that could not
// be opened) follows the message on a line of its own.
void showError(Prompter& prompter, int code, std::string_view subject = {});

}  // namespace lorvex
