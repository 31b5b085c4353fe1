#pragma once

#include "engine/random_generator.h"
#include "expr/pars_win.h"
#include "workspace/calculation_operations.h"
#include "workspace/file_operations.h"
#include "workspace/generator_operations.h"
#include "workspace/geometry_operations.h"
#include "workspace/operation_context.h"
#include "workspace/step_operations.h"
#include "workspace/workspace.h"

namespace lorvex {

// The operations behind the frame's commands, without any window, in one
// family per kind of command. Each operation validates its input in the
// order its command checks it, computes, stores its result through
// PlaceMatrix with a description in the notes, and returns a result code
// for the caller to show (0 success, -1 a user stop, which shows nothing,
// k > 0 message 400 + k). Nothing is stored on failure; memory running out
// anywhere, storing included, gives code::OutOfMemory. The program's frame
// and the command-line companion call the very same functions, each dialog
// only its own family's. Letters are numbered 1 = A ... 26 = Z; text
// arguments are the raw texts of the dialogs' fields.
//
// This object owns the formula language the families share and lends them
// the workspace and the random generator.
class FrameOperations {
  public:
    FrameOperations(Workspace& workspace, RandomGenerator& random);
    FrameOperations(const FrameOperations&) = delete;
    FrameOperations& operator=(const FrameOperations&) = delete;

    Workspace& workspace() { return context_.workspace; }
    RandomGenerator& random() { return context_.random; }
    // The formula language of the frame: the formula generator compiles and
    // evaluates through it, and its variables live for the whole run.
    TParsWin& ParserHost() { return parserHost_; }

    // Switches the workspace's mode and tells the formula language (entering
    // complex mode makes its variable I the imaginary unit).
    void setMode(WorkspaceMode mode);

    FileOperations& files() { return files_; }
    GeneratorOperations& generators() { return generators_; }
    GeometryOperations& geometry() { return geometry_; }
    CalculationOperations& calculations() { return calculations_; }
    StepOperations& steps() { return steps_; }

  private:
    TParsWin parserHost_;
    OperationContext context_;
    FileOperations files_;
    GeneratorOperations generators_;
    GeometryOperations geometry_;
    CalculationOperations calculations_;
    StepOperations steps_;
};

}  // namespace lorvex
