#include "workspace/frame_operations.h"

#include "engine/guarded.h"
#include "engine/result_codes.h"
#include "workspace/matrix_file.h"
#include "workspace/paste.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {

FrameOperations::FrameOperations(Workspace& workspace, RandomGenerator& random)
    : workspace_(workspace), random_(random), parser_(random) {
    parser_.setComplexMode(workspace.Mode() == WorkspaceMode::Complex);
}

void FrameOperations::setMode(WorkspaceMode mode) {
    workspace_.setMode(mode);
    parser_.setComplexMode(mode == WorkspaceMode::Complex);
}

int FrameOperations::OpenMatrixFile(const std::string& path, Workspace::UnreadableFile unreadable) {
    return runGuarded([&] {
        const std::int32_t kindCode = matrixKindForPath(path);
        if (kindCode < 0) return code::Ok;
        const auto kind = static_cast<ElementKind>(kindCode);
        return workspace_.PlaceMatrix(kind, path, 0, zeroMatrix(kind, 3, 3), unreadable).code;
    });
}

int FrameOperations::Open() {
    if (workspace_.FindFreeLetter() < 1) return code::NoMoreRoom;
    const ElementKind kind = elementKindOf(workspace_.Mode());
    static constexpr std::string_view kInitialNames[] = {"noname.fma", "", "",
                                                         "noname.cma", "", "noname.ima"};
    const int filterString = strings::id::RealMatrixFilter + static_cast<int>(workspace_.Mode());
    const std::optional<std::string> path = workspace_.prompter().askOpenFile(
        strings::byId(filterString), kInitialNames[static_cast<std::size_t>(kind)]);
    if (!path) return code::Ok;
    return runGuarded(
        [&] { return workspace_.PlaceMatrix(kind, *path, 0, zeroMatrix(kind, 3, 3)).code; });
}

int FrameOperations::Paste(std::string_view text) {
    ComplexMatrix block;
    const int rc = scanPastedText(text, block);
    if (rc == code::NothingToDo) return code::Ok;
    if (rc != code::Ok) return rc;
    return workspace_.PlaceMatrix(ElementKind::Real, "", 0, block).code;
}

}  // namespace lorvex
