#pragma once

#include <cstdint>
#include <string_view>

#include "engine/stop_check.h"
#include "workspace/operation_context.h"

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

// The new-matrix generators: zeros, random entries, a constant diagonal,
// probability rows and columns, a formula in i and j, a copied column and a
// random integer matrix of determinant 1. Each reads the raw texts of its
// dialog's fields, stores its matrix through PlaceMatrix with a description
// in the notes and returns a result code; nothing is stored on failure.
class GeneratorOperations {
  public:
    explicit GeneratorOperations(const OperationContext& context) : context_(context) {}

    const OperationContext& context() const { return context_; }

    // Real and complex mode; MakeIntMatrix in integer mode, where MakeMatrix
    // hands over to it. Codes: the calculation language's for the diagonal
    // value (Diagonal), code::InconsistentData when the upper bound is below
    // the lower (Random), code::OutOfRange for sizes below 1 or above
    // 1 000 000 entries (a diagonal matrix also when its square is),
    // code::IntegerExpected for an integer diagonal value that does not read
    // (MakeIntMatrix), code::OutOfMemory; a later check's code replaces an
    // earlier one's.
    [[nodiscard]] int MakeMatrix(std::int32_t letter, NewMatrixKind kind, std::string_view rows,
                                 std::string_view cols, std::string_view lower,
                                 std::string_view upper, std::string_view diagonal);
    [[nodiscard]] int MakeIntMatrix(std::int32_t letter, NewMatrixKind kind, std::string_view rows,
                                    std::string_view cols, std::string_view lower,
                                    std::string_view upper, std::string_view diagonal);
    // Every entry from a formula in the row and column numbers i and j (real
    // and complex mode; in integer mode nothing is stored). Codes:
    // code::OutOfRange, the compiler's, code::CannotCalculate when the
    // formula fails at some entry, code::OutOfMemory, code::UserStop.
    [[nodiscard]] int Formula(std::int32_t letter, std::string_view rows, std::string_view cols,
                              std::string_view formula, const StopCheck& stop = StopCheck::never());
    // Column `column` of the source as a new column matrix. Codes:
    // code::OutOfRange, code::MatrixNotFound, code::NothingToShow.
    [[nodiscard]] int CopyColumn(std::int32_t source, std::int32_t result, std::string_view column);
    // A random integer matrix of order 2 ... 20 with determinant 1 (always
    // the integer array). code::OutOfRange.
    [[nodiscard]] int UnitaryRandom(std::string_view rows, std::int32_t letter);

  private:
    OperationContext context_;
};

}  // namespace lorvex
