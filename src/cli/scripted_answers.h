#pragma once

#include <string>
#include <vector>

#include "workspace/prompter.h"

namespace lorvex::cli {

// The command-line program's answers to the questions of an operation: the
// overwrite question gets the answer chosen on the command line, and every
// message shown is kept for the output. Every command names its files and
// gives its fields on the line, so no other dialog is needed.
class ScriptedAnswers : public DialogFreePrompter {
  public:
    explicit ScriptedAnswers(bool overwrite) : overwrite_(overwrite) {}

    Answer messageBox(std::string_view caption, std::string_view text, Buttons buttons) override;

    // What was shown since the last call, as "caption: text" lines (a
    // question with the answer given), and whether a question was answered No.
    std::vector<std::string> takeShown();
    bool takeRefused();

  private:
    bool overwrite_;
    std::vector<std::string> shown_;
    bool refused_ = false;
};

}  // namespace lorvex::cli
