#pragma once

#include <string>
#include <string_view>

#include "engine/random_generator.h"
#include "workspace/workspace.h"

namespace lorvex {

// The operations behind the frame's commands, without any window: each
// validates its input, computes, stores its result through PlaceMatrix and
// returns a result code for the caller to show. The program's frame and the
// command-line companion call the very same functions.
class FrameOperations {
  public:
    FrameOperations(Workspace& workspace, RandomGenerator& random)
        : workspace_(workspace), random_(random) {}

    Workspace& workspace() { return workspace_; }
    RandomGenerator& random() { return random_; }

    // Opens a matrix file into a free letter of the array of its kind, chosen
    // by the extension (.fma, .cma, .ima in any case); any other name does
    // nothing. Files named on the command line, handed over by a later start
    // or dropped on the frame come here.
    int OpenMatrixFile(const std::string& path);

    // The Open command: a free letter first (else code::NoMoreRoom), then the
    // file asked for with the current mode's filter.
    int Open();

    // Pastes a table of numbers as a real matrix under a free letter of the
    // current mode. A text without any number does nothing; a table of more
    // than 1 000 000 entries gives code::OutOfRange.
    int Paste(std::string_view text);

  private:
    Workspace& workspace_;
    RandomGenerator& random_;
};

}  // namespace lorvex
