// The calculation service and the solve command of the frame.

#include <variant>

#include "engine/guarded.h"
#include "engine/linear_system.h"
#include "engine/result_codes.h"
#include "expr/calc_language.h"
#include "workspace/described_placement.h"
#include "workspace/frame_operations.h"
#include "workspace/string_ids.h"
#include "workspace/strings.h"

namespace lorvex {
namespace {

bool integerMode(const Workspace& workspace) {
    return workspace.Mode() == WorkspaceMode::Integer;
}

}  // namespace

int FrameOperations::CalcExpression(std::int32_t letter, std::string_view text,
                                    const StopCheck& stop) {
    return runGuarded([&] {
        MatrixData result;
        const int rc = CalcMatrix(text, integerMode(workspace_), workspace_, result, stop);
        if (rc != code::Ok) return rc;
        return placeDescribed(workspace_, elementKindOf(workspace_.Mode()), letter, result,
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

int FrameOperations::Solve(std::int32_t m, std::int32_t b, std::int32_t x, std::int32_t nullSpace,
                           bool homogeneous, const StopCheck& stop, std::int32_t* rank) {
    // Every check runs; a later failure replaces the code of an earlier one.
    int rc = code::Ok;
    if (x == m) rc = code::InconsistentData;
    const MatrixDocument* matrix = workspace_.slot(m);
    if (matrix == nullptr) rc = code::MatrixNotFound;
    const MatrixDocument* rightSide = homogeneous ? nullptr : workspace_.slot(b);
    if (!homogeneous && rightSide == nullptr) rc = code::MatrixNotFound;
    if (rc == code::Ok && !homogeneous &&
        (b == m || b == x || rightSide->Rows() != matrix->Rows() || rightSide->Cols() != 1)) {
        rc = code::InconsistentData;
    }
    if (rc != code::Ok) return rc;

    return runGuarded([&] {
        Solution solution;
        const MatrixData bData =
            homogeneous ? zeroMatrix(elementKindOf(workspace_.Mode()), matrix->Rows(), 1)
                        : rightSide->matrixData();
        if (const int solved = solveSystem(matrix->matrixData(), bData, solution, stop);
            solved != code::Ok) {
            return solved;
        }
        if (rank != nullptr) *rank = solution.rank;
        const bool hasNullSpace = solution.rank < matrix->Cols();
        if (hasNullSpace && (nullSpace == x || nullSpace == m)) return code::InconsistentData;

        const ElementKind kind = elementKindOf(workspace_.Mode());
        const int placed = placeDescribed(workspace_, kind, x, solution.particular,
                                          std::string(strings::byId(strings::id::Solution)));
        if (placed != code::Ok || !hasNullSpace || !solution.nullSpace) return placed;
        return placeDescribed(workspace_, kind, nullSpace, *solution.nullSpace,
                              std::string(strings::byId(strings::id::NullSpaceBasis)));
    });
}

}  // namespace lorvex
