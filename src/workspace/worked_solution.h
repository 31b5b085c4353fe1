#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/matrix_data.h"
#include "workspace/step_description.h"

// A whole run of a step procedure written out for a handout: the starting
// matrix, each step with its name and the matrix after it, and the result.
namespace lorvex {

struct SolutionStep {
    StepRecord record;
    // A ComplexMatrix, or an IntegerMatrix in an exact run.
    MatrixData after;
    // The highlighted pivot after the step, from 0; -1 for none.
    std::int32_t pivotRow = -1;
    std::int32_t pivotCol = -1;
};

struct WorkedSolution {
    MatrixData start;
    std::vector<SolutionStep> steps;
    // The step window's decimals, for the entries and the factors; the
    // entries of an exact run are fractions, "-3/2" or "-\frac{3}{2}".
    int decimals = 5;
};

// Plain text: "início", the numbered steps, "resultado", the pivot in [ ].
std::string solutionText(const WorkedSolution& solution);

// LaTeX for amsmath: bmatrix after bmatrix joined by \xrightarrow with the
// step's name, the pivot in \boxed, in a gather* with a line break after
// every three matrices, preceded by the setting of MaxMatrixCols for
// matrices of more than ten columns. A complete document when
// `completeDocument`, the gather* alone otherwise.
std::string solutionTex(const WorkedSolution& solution, bool completeDocument);

// The formats a solution is exported in.
enum class SolutionFormat { TexFragment, TexDocument, PlainText };

std::string solutionIn(const WorkedSolution& solution, SolutionFormat format);

// Writes the solution in that format as the whole file: code::Ok, or
// code::CannotSaveFile with any previous file as it was.
[[nodiscard]] int writeSolution(const std::filesystem::path& path, const WorkedSolution& solution,
                                SolutionFormat format);

}  // namespace lorvex
