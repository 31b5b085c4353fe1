#include "workspace/frame_operations.h"

namespace lorvex {

FrameOperations::FrameOperations(Workspace& workspace, RandomGenerator& random)
    : parserHost_(random),
      context_{workspace, random, parserHost_, workspace.prompter()},
      files_(context_),
      generators_(context_),
      geometry_(context_),
      calculations_(context_),
      steps_(context_) {
    parserHost_.setComplexMode(workspace.Mode() == WorkspaceMode::Complex);
}

void FrameOperations::setMode(WorkspaceMode mode) {
    context_.workspace.setMode(mode);
    parserHost_.setComplexMode(mode == WorkspaceMode::Complex);
}

}  // namespace lorvex
