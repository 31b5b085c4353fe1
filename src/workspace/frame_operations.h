#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/complex.h"
#include "engine/polynomial_roots.h"
#include "engine/random_generator.h"
#include "engine/rational.h"
#include "engine/row_operations.h"
#include "engine/simplex.h"
#include "engine/stop_check.h"
#include "expr/pars_win.h"
#include "workspace/workspace.h"

namespace lorvex {

// The kinds of the new-matrix generator, in the order of its radio buttons.
enum class NewMatrixKind : int {
    Zeros = 0,
    Random = 1,
    Diagonal = 2,
    ProbabilityRows = 3,
    ProbabilityColumns = 4,
};

// The texts the bounds and diagonal-value fields of a new matrix start with
// in a mode.
struct NewMatrixDefaults {
    std::string_view lower;
    std::string_view upper;
    std::string_view diagonal;
};
NewMatrixDefaults newMatrixDefaults(WorkspaceMode mode);

// What the one-matrix report found, besides its text.
struct OneMatrixReport {
    // The report as its text window shows it, every line ended by CR LF.
    std::string text;
    std::int32_t rank = 0;
    // Square matrices only. Real and complex mode: trace and determinant
    // (a singular matrix has the determinant 0).
    std::optional<Complex> trace;
    std::optional<Complex> determinant;
    // Integer mode: the exact fractions; absent when the exact computation
    // failed (the report then says "não pode calcular").
    std::optional<Fraction> exactTrace;
    std::optional<Fraction> exactDeterminant;
    // Real and complex mode, square matrices: the coefficients of the
    // characteristic polynomial, highest power first (empty when the user
    // stopped them), and its roots with their multiplicities.
    std::vector<Complex> coefficients;
    std::vector<PolynomialRoot> roots;
};

// The operations behind the frame's commands, without any window: each
// validates its input in the order the commands check it, computes, stores
// its result through PlaceMatrix with a description in the notes, and
// returns a result code for the caller to show (0 success, -1 a user stop,
// which shows nothing, k > 0 message 400 + k). Nothing is stored on failure;
// memory running out anywhere, storing included, gives code::OutOfMemory.
// The program's frame and the command-line companion call the very same
// functions. Letters are numbered 1 = A ... 26 = Z; text arguments are the
// raw texts of the dialogs' fields.
class FrameOperations {
  public:
    FrameOperations(Workspace& workspace, RandomGenerator& random);

    Workspace& workspace() { return workspace_; }
    RandomGenerator& random() { return random_; }
    // The formula language of the frame: the formula generator compiles and
    // evaluates through it, and its variables live for the whole run.
    TParsWin& parser() { return parser_; }

    // Switches the workspace's mode and tells the formula language (entering
    // complex mode makes its variable I the imaginary unit).
    void setMode(WorkspaceMode mode);

    // Opens a matrix file into a free letter of the array of its kind, chosen
    // by the extension (.fma, .cma, .ima in any case); any other name does
    // nothing. Files named on the command line, handed over by a later start
    // or dropped on the frame come here.
    // A file that cannot be read leaves a new place with a 3 x 3 zero matrix,
    // silently, or with UnreadableFile::StoreNothing stores nothing and gives
    // its read code.
    int OpenMatrixFile(const std::string& path, Workspace::UnreadableFile unreadable =
                                                    Workspace::UnreadableFile::KeepEntries);
    // The Open command: a free letter first (else code::NoMoreRoom), then the
    // file asked for with the current mode's filter.
    int Open();
    // Pastes a table of numbers as a real matrix under a free letter of the
    // current mode. A text without any number does nothing; a table of more
    // than 1 000 000 entries gives code::OutOfRange.
    int Paste(std::string_view text);

    // New matrices (real and complex mode; MakeIntMatrix in integer mode,
    // where MakeMatrix hands over to it). Codes: the calculation language's
    // for the diagonal value (Diagonal), code::InconsistentData when the
    // upper bound is below the lower (Random), code::OutOfRange for sizes
    // below 1 or above 1 000 000 entries (a diagonal matrix also when its
    // square is), code::IntegerExpected for an integer diagonal value that
    // does not read (MakeIntMatrix), code::OutOfMemory; a later check's code
    // replaces an earlier one's.
    int MakeMatrix(std::int32_t letter, NewMatrixKind kind, std::string_view rows,
                   std::string_view cols, std::string_view lower, std::string_view upper,
                   std::string_view diagonal);
    int MakeIntMatrix(std::int32_t letter, NewMatrixKind kind, std::string_view rows,
                      std::string_view cols, std::string_view lower, std::string_view upper,
                      std::string_view diagonal);
    // Every entry from a formula in the row and column numbers i and j (real
    // and complex mode; in integer mode nothing is stored). Codes:
    // code::OutOfRange, the compiler's, code::CannotCalculate when the
    // formula fails at some entry, code::OutOfMemory, code::UserStop.
    int Formula(std::int32_t letter, std::string_view rows, std::string_view cols,
                std::string_view formula, const StopCheck& stop = StopCheck::never());
    // Column `column` of the source as a new column matrix. Codes:
    // code::OutOfRange, code::MatrixNotFound, code::NothingToShow.
    int CopyColumn(std::int32_t source, std::int32_t result, std::string_view column);
    // A random integer matrix of order 2 ... 20 with determinant 1 (always
    // the integer array). code::OutOfRange.
    int UnitaryRandom(std::string_view rows, std::int32_t letter);

    // Geometric generators. The real ones always use the real array; an axis
    // letter of 0 takes the components from the texts. Codes besides
    // code::OutOfMemory: Rotate3D code::MatrixNotFound, code::InconsistentData
    // (an axis matrix of fewer than 3 entries), code::Singular (a zero axis).
    int Rotate2D(std::int32_t letter, std::string_view degrees);
    int Rotate3D(std::int32_t axisLetter, std::int32_t letter, std::string_view x,
                 std::string_view y, std::string_view z, std::string_view degrees);
    // Exact rotation from Pythagorean data; an angle letter of 0 takes r cos and
    // r sin from the texts. Codes: code::NotUnderstood (a text that is not an
    // integer), code::MatrixNotFound, code::InconsistentData (too few
    // entries), code::Singular (zero data), code::PythagoreanExpected when
    // a² + b² + c² or p² + q² is not a perfect square.
    int IntRotate3D(std::int32_t axisLetter, std::int32_t angleLetter, std::int32_t letter,
                    std::string_view x, std::string_view y, std::string_view z,
                    std::string_view rCos, std::string_view rSin);
    // Projection onto (reflection through) the hyperplane orthogonal to the
    // row or column at the axis letter; the integer variant in integer mode.
    // Codes: code::MatrixNotFound, code::InconsistentData (not a row or
    // column of at least 2 entries), code::Singular (vᵀv zero),
    // code::OutOfRange when the square would hold more than 1 000 000 entries.
    int ProjectReflect(std::int32_t axisLetter, std::int32_t letter, bool projection);
    int IntProjectReflect(std::int32_t axisLetter, std::int32_t letter, bool projection);

    // The calculation service: the value of `text` stored at the letter, with
    // the text as its notes. The calculation language's codes, and
    // code::NotAMatrix for a scalar value.
    int CalcExpression(std::int32_t letter, std::string_view text,
                       const StopCheck& stop = StopCheck::never());
    // M X = B (B of zeros when homogeneous): X at its letter with the notes
    // "solução", and a null-space basis at its letter with "base do núcleo"
    // when the rank is below the number of columns. Codes:
    // code::InconsistentData (equal letters, a B of the wrong shape, an
    // inconsistent system), code::MatrixNotFound, and the solver's. Once the
    // system is solved, its rank goes to `rank` when one is given (also when
    // an overwrite is refused).
    int Solve(std::int32_t m, std::int32_t b, std::int32_t x, std::int32_t nullSpace,
              bool homogeneous, const StopCheck& stop = StopCheck::never(),
              std::int32_t* rank = nullptr);
    // Rank, and for a square matrix trace, determinant and (real and complex
    // mode) the characteristic polynomial with its roots. code::MatrixNotFound
    // when the place is empty, code::UserStop when the user stopped the rank,
    // the exact trace or determinant (a stop during the polynomial shows
    // "não pode calcular" in its place; during the roots, those found).
    int OneMatrix(std::int32_t letter, OneMatrixReport& report,
                  const StopCheck& stop = StopCheck::never());

    // Linear programming on the real array: runs the simplex method for at
    // most `stepLimit` steps and shows the run in the linear-programming
    // step document. `ended` says whether the procedure ended within the
    // limit. Codes: code::MatrixNotFound, code::Incompatible,
    // code::NotAColumnVector, and the simplex's.
    int LinearProgram(std::int32_t objective, std::int32_t constraints, std::int32_t rightSide,
                      Goal goal, std::int32_t stepLimit, bool& ended,
                      const StopCheck& stop = StopCheck::never());
    // Shows a matrix with its caption and highlighted entry (-1, -1 for none)
    // in the linear-programming or the echelon step document.
    void LPShow(const ComplexMatrix& entries, std::string title, std::int32_t highlightRow,
                std::int32_t highlightCol);
    void EchShow(const ComplexMatrix& entries, std::string title, std::int32_t highlightRow,
                 std::int32_t highlightCol);
    // Stores the shown matrix of a step document into a letter (notes "dados
    // de prog linear", "forma escada").
    int LPSaveAs(std::int32_t letter);
    // The matrix at the letter after `steps` elementary actions of the
    // reduction to echelon form, shown in the echelon step document;
    // `finished` says whether the reduction is complete.
    int Echelon(std::int32_t letter, std::int32_t steps, bool& finished);
    int EchSaveAs(std::int32_t letter);
    // Row and column operations on the operations step document, with undo.
    // The index texts count from 1; the factor is a calculation.
    int OperLoad(std::int32_t letter);
    int OperMultiply(std::string_view index, std::string_view factor, bool columns);
    int OperAdd(std::string_view index, std::string_view factor, std::string_view target,
                bool columns);
    int OperSwap(std::string_view first, std::string_view second, bool columns);
    // False when there is nothing to undo, or no memory to show the result.
    bool OperUndo();
    bool OperCanUndo() const { return operations_.canUndo(); }

  private:
    int applyOperation(const RowColumnOperation& operation);
    // OneMatrix and LinearProgram without their guard against memory running out.
    int oneMatrix(std::int32_t letter, OneMatrixReport& report, const StopCheck& stop);
    int linearProgram(std::int32_t objective, std::int32_t constraints, std::int32_t rightSide,
                      Goal goal, std::int32_t stepLimit, bool& ended, const StopCheck& stop);
    std::int32_t operationLimit(bool columns);

    Workspace& workspace_;
    RandomGenerator& random_;
    TParsWin parser_;
    OperationStack operations_;
};

}  // namespace lorvex
