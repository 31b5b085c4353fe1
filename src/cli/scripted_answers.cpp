#include "cli/scripted_answers.h"

#include <utility>

#include "workspace/language.h"

namespace lorvex::cli {

// A question answered Yes is followed by its result, which the output shows;
// one answered No changes nothing, so its line tells the reader why.
Prompter::Answer ScriptedAnswers::messageBox(std::string_view caption, std::string_view text,
                                             Buttons buttons) {
    if (buttons == Buttons::Ok) {
        shown_.push_back(std::string(caption) + ": " + std::string(text));
        return Answer::Ok;
    }
    if (overwrite_) return Answer::Yes;
    refused_ = true;
    shown_.push_back(std::string(caption) + ": " + std::string(text) +
                     std::string(localized(" não")));
    return Answer::No;
}

std::vector<std::string> ScriptedAnswers::takeShown() {
    return std::exchange(shown_, {});
}

bool ScriptedAnswers::takeRefused() {
    return std::exchange(refused_, false);
}

}  // namespace lorvex::cli
