#include "toolkit/save_questions.h"

#include <filesystem>
#include <system_error>

#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {

std::string baseName(std::string_view path) {
    return std::filesystem::path(path).filename().string();
}

bool mayOverwrite(Prompter& prompter, const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return true;
    return prompter.messageBox(strings::byId(strings::id::Caution),
                               strings::byId(strings::id::OverwriteQuestion),
                               Prompter::Buttons::YesNoCancel) == Prompter::Answer::Yes;
}

std::optional<std::string> askSavePath(Prompter& prompter, std::string_view filter,
                                       std::string_view defaultExtension,
                                       std::string_view proposedName) {
    std::optional<std::string> path = prompter.askSaveFile(filter, defaultExtension, proposedName);
    if (!path || !mayOverwrite(prompter, *path)) return std::nullopt;
    return path;
}

Prompter::Answer askSaveChanges(Prompter& prompter, std::string_view documentName) {
    const std::string text =
        std::string(strings::byId(strings::id::SaveChangesTo)) + baseName(documentName) + "?";
    return prompter.messageBox(strings::byId(strings::id::Caution), text,
                               Prompter::Buttons::YesNoCancel);
}

}  // namespace lorvex
