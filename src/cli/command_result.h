#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/complex.h"
#include "engine/result_codes.h"
#include "workspace/calculation_operations.h"
#include "workspace/matrix_document.h"

namespace lorvex::cli {

// A matrix that a command stored or showed, with the caption of its window:
// "matriz A" for a lettered matrix, the title of a step document.
struct ShownMatrix {
    const MatrixDocument* document = nullptr;
    std::string caption;
};

// What a step procedure (echelon, linear programming) left in its window.
struct StepView {
    std::string title;
    // Linear programming: the run ended within its step limit, with a
    // solution or a failure; echelon: the reduction is complete.
    bool finished = false;
};

// The answer to a checked step of the row and column operations.
struct CheckedStep {
    // The operation's description, when the step is one elementary operation.
    std::optional<std::string> operation;
    bool rowEquivalent = false;
    // The whole answer as the program words it.
    std::string answer;
};

// Everything one command did, for the plain and the JSON output. The
// documents belong to the workspace and stay valid for its whole run.
struct CommandResult {
    int code = code::Ok;
    // The lettered matrices stored, in order, or the matrix shown.
    std::vector<ShownMatrix> matrices;
    // Solve lists its matrices ("matrices"); the others have one ("matrix").
    bool matrixList = false;
    // The overwrite question was answered No: nothing was stored there.
    bool overwriteRefused = false;
    // Message boxes and refused questions, as "caption: text" lines.
    std::vector<std::string> shown;
    std::optional<std::int32_t> rank;
    std::optional<OneMatrixReport> report;
    std::optional<StepView> step;
    std::optional<CheckedStep> check;
    std::optional<Complex> value;
    bool complexValue = false;
    // Text shown in a text window, or printed: the plain-text table, TeX,
    // notes. In the plain output it stands instead of the matrix.
    std::optional<std::string> text;
};

}  // namespace lorvex::cli
