#include "engine/linear_system.h"

#include <cassert>
#include <utility>
#include <vector>

#include "engine/gauss_jordan.h"
#include "engine/guarded.h"
#include "engine/result_codes.h"

namespace lorvex {

using gauss_jordan::Block;

namespace {

// An entry of a solution's matrix from an element of the reduction.
Complex entryOf(const ComplexMatrix&, long double x) {
    return Complex{x, 0.0L};
}
Complex entryOf(const ComplexMatrix&, const Complex& x) {
    return x;
}
long double entryOf(const RealMatrix&, long double x) {
    return x;
}

// The columns without a pivot, from left to right.
std::vector<std::int32_t> freeColumnsOf(const std::vector<std::int32_t>& pivotColumns,
                                        std::int32_t cols) {
    std::vector<std::int32_t> freeColumns;
    std::size_t next = 0;
    for (std::int32_t j = 0; j < cols; ++j) {
        if (next < pivotColumns.size() && pivotColumns[next] == j) {
            ++next;
        } else {
            freeColumns.push_back(j);
        }
    }
    return freeColumns;
}

// Reads X and the null space off the reduced row-echelon form: the k-th pivot
// row says x(pivot column) = rhs(k) - sum over free f of W(k, f) * x(f).
template <class T, class Solution>
[[nodiscard]] int solveByReduction(Block<T> w, std::vector<T> rhs, Solution& solution) {
    const std::vector<std::int32_t> pivotColumns = gauss_jordan::reduceRows(w, rhs);
    const auto rank = static_cast<std::int32_t>(pivotColumns.size());

    bool consistent = true;
    for (std::int32_t i = rank; i < w.rows; ++i) {
        if (gauss_jordan::sizeOf(rhs[static_cast<std::size_t>(i)]) > kZeroTolerance) {
            consistent = false;
        }
    }

    using Matrix = decltype(solution.particular);
    Solution result;
    result.rank = rank;
    result.particular = Matrix(w.cols, 1);
    for (std::int32_t k = 0; k < rank; ++k) {
        result.particular.at(pivotColumns[static_cast<std::size_t>(k)], 0) =
            entryOf(result.particular, rhs[static_cast<std::size_t>(k)]);
    }
    const std::vector<std::int32_t> freeColumns = freeColumnsOf(pivotColumns, w.cols);
    if (!freeColumns.empty()) {
        Matrix basis(w.cols, static_cast<std::int32_t>(freeColumns.size()));
        for (std::int32_t m = 0; m < basis.cols; ++m) {
            const std::int32_t f = freeColumns[static_cast<std::size_t>(m)];
            basis.at(f, m) = entryOf(basis, 1.0L);
            for (std::int32_t k = 0; k < rank; ++k) {
                basis.at(pivotColumns[static_cast<std::size_t>(k)], m) =
                    entryOf(basis, -w.at(k, f));
            }
        }
        result.nullSpace = std::move(basis);
    }
    solution = std::move(result);
    return consistent ? code::Ok : code::InconsistentData;
}

}  // namespace

int solve(const ComplexMatrix& m, const ComplexMatrix& b, LinearSolution& solution) {
    assert(b.rows == m.rows && b.cols == 1);
    return runGuarded([&] {
        if (m.isReal() && b.isReal()) {
            return solveByReduction(gauss_jordan::realPartsOf(m.rows, m.cols, m.cells),
                                    gauss_jordan::realPartsOf(b.rows, 1, b.cells).cells, solution);
        }
        return solveByReduction(Block<Complex>{m.rows, m.cols, m.cells}, b.cells, solution);
    });
}

int solve(const RealMatrix& m, const RealMatrix& b, RealSolution& solution) {
    assert(b.rows == m.rows && b.cols == 1);
    return runGuarded([&] {
        return solveByReduction(Block<long double>{m.rows, m.cols, m.cells}, b.cells, solution);
    });
}

}  // namespace lorvex
