#pragma once

#include <string>
#include <vector>

#include "workspace/prompter.h"

namespace lorvex::cli {

// The command-line program's answers to the questions of an operation: the
// overwrite question gets the answer chosen on the command line, and every
// message shown is kept for the output. No dialog is needed beyond that:
// every command names its files and gives its fields on the line, so file
// and field dialogs are cancelled.
class ScriptedAnswers : public Prompter {
  public:
    explicit ScriptedAnswers(bool overwrite) : overwrite_(overwrite) {}

    Answer messageBox(std::string_view caption, std::string_view text, Buttons buttons) override;
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

    // What was shown since the last call, as "caption: text" lines (a
    // question with the answer given), and whether a question was answered No.
    std::vector<std::string> takeShown();
    bool refused() const { return refused_; }
    bool takeRefused();

  private:
    bool overwrite_;
    std::vector<std::string> shown_;
    bool refused_ = false;
};

}  // namespace lorvex::cli
