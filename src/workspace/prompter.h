#pragma once

#include <string_view>

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
};

// "sobreescrever o arquivo existente?" under "cuidado!": true only for Yes.
bool confirmOverwrite(Prompter& prompter);

// The message of a positive result code under the caption "hmm...";
// nothing for success or a user stop.
void showError(Prompter& prompter, int code);

}  // namespace lorvex
