#pragma once

#include "engine/random_generator.h"
#include "expr/pars_win.h"
#include "workspace/prompter.h"
#include "workspace/workspace.h"

namespace lorvex {

// What every family of the frame's operations works with: the lettered
// places, the program's one random generator, the formula language whose
// variables live for the whole run, and the questions and messages of the
// frame. The frame owns all four; the families only borrow them.
struct OperationContext {
    Workspace& workspace;
    RandomGenerator& random;
    TParsWin& ParserHost;
    Prompter& prompter;
};

}  // namespace lorvex
