// Opening matrix files and pasting a table of numbers.

#include "workspace/file_operations.h"

#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "workspace/matrix_file.h"
#include "workspace/paste.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {

int FileOperations::OpenMatrixFile(const std::string& path) {
    return runGuarded([&] {
        const std::int32_t kindCode = matrixKindForPath(path);
        if (kindCode < 0) return code::Ok;
        const auto kind = static_cast<ElementKind>(kindCode);
        return context_.workspace.PlaceMatrix(kind, path, 0, zeroMatrix(kind, 3, 3)).code;
    });
}

Outcome<std::string> FileOperations::open() {
    Workspace& workspace = context_.workspace;
    if (workspace.FindFreeLetter() < 1) return {code::NoMoreRoom, {}};
    const ElementKind kind = elementKindOf(workspace.Mode());
    static constexpr std::string_view kInitialNames[] = {"noname.fma", "", "",
                                                         "noname.cma", "", "noname.ima"};
    const int filterString = strings::id::RealMatrixFilter + static_cast<int>(workspace.Mode());
    const std::optional<std::string> path = context_.prompter.askOpenFile(
        strings::byId(filterString), kInitialNames[static_cast<std::size_t>(kind)]);
    if (!path) return {code::Ok, {}};
    return {runGuarded(
                [&] { return workspace.PlaceMatrix(kind, *path, 0, zeroMatrix(kind, 3, 3)).code; }),
            *path};
}

int FileOperations::paste(std::string_view text) {
    // A spreadsheet in Portuguese writes 1,5; read as usual, the comma
    // would split each such number into two entries.
    std::string pointed;
    if (hasDecimalCommas(text) &&
        context_.prompter.messageBox(strings::byId(strings::id::PasteCaption),
                                     strings::byId(strings::id::DecimalCommasQuestion),
                                     Prompter::Buttons::YesNo) == Prompter::Answer::Yes) {
        pointed = withDecimalPoints(text);
        text = pointed;
    }
    RealMatrix block;
    const int rc = scanPastedText(text, block);
    if (rc == code::NothingToDo) return code::Ok;
    if (rc != code::Ok) return rc;
    return context_.workspace.PlaceMatrix(ElementKind::Real, "", 0, block).code;
}

}  // namespace lorvex
