#pragma once

#include <cstdint>
#include <optional>

#include "engine/matrix_data.h"
#include "engine/stop_check.h"

// Solutions of M * X = B for a rows x cols matrix M and a column B of rows
// entries, together with the rank of M and a basis of its null space (the
// solutions of M * X = 0). A homogeneous system, or the rank alone, is asked
// for with a B of zeros. The caller checks the shapes first: B must be a
// rows x 1 matrix. The arguments are never changed.
namespace lorvex {

// Solution of a real or complex system.
struct LinearSolution {
    // X, cols x 1: the pivot variables take the reduced right-hand side, the
    // free ones 0.
    ComplexMatrix particular;
    // cols x (cols - rank), one basis vector per column: the k-th column
    // belongs to the k-th free variable (free columns counted from the left),
    // which is 1 in it while the other free variables are 0. Empty when the
    // rank equals cols.
    std::optional<ComplexMatrix> nullSpace;
    std::int32_t rank = 0;
};

// Gauss-Jordan reduction of M, with every row operation also applied to B,
// taking in each column the first pivot above the zero tolerance. Returns
// code::Ok, code::InconsistentData when the system has no solution (the
// solution is still filled in, for callers that want the rank or the null
// space), or code::OutOfMemory (the solution is then left as it was).
[[nodiscard]] int solve(const ComplexMatrix& m, const ComplexMatrix& b, LinearSolution& solution);

// The same solution of a real system, whose entries are those of a complex
// system with zero imaginary parts.
struct RealSolution {
    RealMatrix particular;
    std::optional<RealMatrix> nullSpace;
    std::int32_t rank = 0;
};
[[nodiscard]] int solve(const RealMatrix& m, const RealMatrix& b, RealSolution& solution);

// Exact solution of an integer-mode system. The matrices keep the common
// denominators in which they were computed and are not normalised: X over the
// least common multiple of the denominators of its entries, the null space
// over that of all its entries (for M = [4], B = [2], X is 2 / 4).
struct ExactSolution {
    IntegerMatrix particular;                // cols x 1
    std::optional<IntegerMatrix> nullSpace;  // cols x (cols - rank), as above; empty at full rank
    std::int32_t rank = 0;
};

// Integer row reduction of M (see integer_reduction.h) with exact back
// substitution in fractions. Returns code::Ok, code::InconsistentData (the
// solution still filled in), code::OutOfMemory or code::UserStop (the solution
// left as it was in both).
[[nodiscard]] int solve(const IntegerMatrix& m, const IntegerMatrix& b, ExactSolution& solution,
                        const StopCheck& stop = StopCheck::never());

}  // namespace lorvex
