#include "workspace/prompter.h"

#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {

bool confirmOverwrite(Prompter& prompter) {
    return prompter.messageBox(strings::byId(strings::id::Caution),
                               strings::byId(strings::id::OverwriteQuestion),
                               Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
}

void showError(Prompter& prompter, int code, std::string_view subject) {
    if (code <= 0) return;
    std::string text(strings::message(code));
    if (!subject.empty()) text += "\n" + std::string(subject);
    prompter.messageBox(strings::kErrorCaption, text, Prompter::Buttons::Ok);
}

}  // namespace lorvex
