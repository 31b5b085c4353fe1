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

namespace {

std::string unsavedList(Workspace& workspace) {
    std::string list(strings::byId(strings::id::UnsavedMatrices));
    for (const WorkspaceMode mode :
         {WorkspaceMode::Real, WorkspaceMode::Complex, WorkspaceMode::Integer}) {
        std::string letters;
        for (std::int32_t letter = 1; letter <= 26; ++letter) {
            const MatrixDocument* document = workspace.slot(mode, letter);
            if (document != nullptr && document->modified()) {
                letters += ' ';
                letters += static_cast<char>('A' + letter - 1);
            }
        }
        if (!letters.empty()) {
            list +=
                "\n" +
                std::string(strings::byId(strings::id::FirstModeName + static_cast<int>(mode))) +
                ":" + letters;
        }
    }
    for (const StepDocument step :
         {StepDocument::LinearProgramming, StepDocument::Echelon, StepDocument::Operations}) {
        const MatrixDocument& document = workspace.stepDocument(step);
        if (document.modified()) list += "\n" + document.title();
    }
    return list;
}

}  // namespace

UnsavedChoice askAboutUnsaved(Prompter& prompter, Workspace& workspace) {
    const std::vector<std::string> labels = {
        std::string(strings::byId(strings::id::SaveAll)),
        std::string(strings::byId(strings::id::Discard)),
        std::string(strings::byId(strings::id::OneByOne)),
        std::string(strings::byId(strings::id::Cancel)),
    };
    const std::optional<std::size_t> pressed =
        prompter.askButtons(strings::byId(strings::id::Caution), unsavedList(workspace), labels);
    switch (pressed.value_or(3)) {
        case 0:
            return UnsavedChoice::SaveAll;
        case 1:
            return UnsavedChoice::Discard;
        case 2:
            return UnsavedChoice::OneByOne;
        default:
            return UnsavedChoice::Cancel;
    }
}

}  // namespace lorvex
