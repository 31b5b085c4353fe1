#include "workspace/prompter.h"

#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {

bool confirmOverwrite(Prompter& prompter) {
    return prompter.messageBox(strings::byId(strings::id::Caution),
                               strings::byId(strings::id::OverwriteQuestion),
                               Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
}

void showError(Prompter& prompter, int code) {
    if (code <= 0) return;
    prompter.messageBox(strings::kErrorCaption, strings::message(code), Prompter::Buttons::Ok);
}

}  // namespace lorvex
