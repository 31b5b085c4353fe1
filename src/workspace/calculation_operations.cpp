// The calculation service and the solve command of the frame.

#include "workspace/calculation_operations.h"

#include <variant>

#include "engine/guarded.h"
#include "engine/linear_system.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "workspace/described_placement.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {
namespace {

bool integerMode(const Workspace& workspace) {
    return workspace.Mode() == WorkspaceMode::Integer;
}

}  // namespace

int CalculationOperations::CalcExpression(std::int32_t letter, std::string_view text,
                                          const StopCheck& stop) {
    Workspace& workspace = context_.workspace;
    return runGuarded([&] {
        MatrixData result;
        const int rc = CalcMatrix(text, integerMode(workspace), workspace, result, stop);
        if (rc != code::Ok) return rc;
        return placeDescribed(workspace, elementKindOf(workspace.Mode()), letter, result,
                              std::string(text));
    });
}

namespace {

// The solution and basis of either kind, stored as the solver gave them.
struct Solution {
    MatrixData particular;
    std::optional<MatrixData> nullSpace;
    std::int32_t rank = 0;
};

int solveSystem(const MatrixData& m, const MatrixData& b, Solution& solution,
                const StopCheck& stop) {
    if (const auto* realM = std::get_if<RealMatrix>(&m)) {
        RealSolution found;
        const int rc = solve(*realM, std::get<RealMatrix>(b), found);
        if (rc != code::Ok && rc != code::InconsistentData) return rc;
        solution = {found.particular, found.nullSpace, found.rank};
        return rc;
    }
    if (const auto* complexM = std::get_if<ComplexMatrix>(&m)) {
        LinearSolution found;
        const int rc = solve(*complexM, std::get<ComplexMatrix>(b), found);
        if (rc != code::Ok && rc != code::InconsistentData) return rc;
        solution = {found.particular, found.nullSpace, found.rank};
        return rc;
    }
    ExactSolution found;
    const int rc = solve(std::get<IntegerMatrix>(m), std::get<IntegerMatrix>(b), found, stop);
    if (rc != code::Ok && rc != code::InconsistentData) return rc;
    solution.particular = found.particular;
    if (found.nullSpace) solution.nullSpace = *found.nullSpace;
    solution.rank = found.rank;
    return rc;
}

}  // namespace

Outcome<std::int32_t> CalculationOperations::Solve(std::int32_t m, std::int32_t b, std::int32_t x,
                                                   std::int32_t nullSpace, bool homogeneous,
                                                   const StopCheck& stop) {
    Workspace& workspace = context_.workspace;
    // Every check runs; a later failure replaces the code of an earlier one.
    int rc = code::Ok;
    if (x == m) rc = code::InconsistentData;
    const MatrixDocument* matrix = workspace.slot(m);
    if (matrix == nullptr) rc = code::MatrixNotFound;
    const MatrixDocument* rightSide = homogeneous ? nullptr : workspace.slot(b);
    if (!homogeneous && rightSide == nullptr) rc = code::MatrixNotFound;
    if (rc == code::Ok && !homogeneous &&
        (b == m || b == x || rightSide->Rows() != matrix->Rows() || rightSide->Cols() != 1)) {
        rc = code::InconsistentData;
    }
    if (rc != code::Ok) return {rc};

    std::int32_t rank = 0;
    rc = runGuarded([&] {
        Solution solution;
        const MatrixData bData =
            homogeneous ? zeroMatrix(elementKindOf(workspace.Mode()), matrix->Rows(), 1)
                        : rightSide->matrixData();
        if (const int solved = solveSystem(matrix->matrixData(), bData, solution, stop);
            solved != code::Ok) {
            return solved;
        }
        rank = solution.rank;
        const bool hasNullSpace = solution.rank < matrix->Cols();
        if (hasNullSpace && (nullSpace == x || nullSpace == m)) return code::InconsistentData;

        const ElementKind kind = elementKindOf(workspace.Mode());
        const int placed = placeDescribed(workspace, kind, x, solution.particular,
                                          std::string(strings::byId(strings::id::Solution)));
        if (placed != code::Ok || !hasNullSpace || !solution.nullSpace) return placed;
        return placeDescribed(workspace, kind, nullSpace, *solution.nullSpace,
                              std::string(strings::byId(strings::id::NullSpaceBasis)));
    });
    return {rc, rank};
}

}  // namespace lorvex
