#pragma once

#include <string>
#include <string_view>

#include "engine/outcome.h"
#include "workspace/operation_context.h"

namespace lorvex {

// The frame's file commands: opening matrix files and pasting a table of
// numbers. Each returns a result code for the caller to show.
class FileOperations {
  public:
    explicit FileOperations(const OperationContext& context) : context_(context) {}

    // Opens a matrix file into a free letter of the array of its kind, chosen
    // by the extension (.fma, .cma, .ima in any case); any other name does
    // nothing. Files named on the command line, handed over by a later start
    // or dropped on the frame come here. A file that cannot be read stores
    // nothing and gives code::CannotOpenFile.
    [[nodiscard]] int OpenMatrixFile(const std::string& path);
    // The Open command: a free letter first (else code::NoMoreRoom), then the
    // file asked for with the current mode's filter. The code comes with the
    // path chosen (empty when the dialog was cancelled).
    [[nodiscard]] Outcome<std::string> open();
    // Pastes a table of numbers as a real matrix under a free letter of the
    // real array. A text without any number does nothing; a table of more
    // than 1 000 000 entries gives code::OutOfRange.
    [[nodiscard]] int paste(std::string_view text);

  private:
    OperationContext context_;
};

}  // namespace lorvex
