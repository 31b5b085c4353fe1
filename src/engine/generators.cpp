#include "engine/generators.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/guarded.h"
#include "engine/result_codes.h"

namespace lorvex {
namespace {

// A random real in [lo, hi) on a grid of a million steps.
long double uniformReal(RandomGenerator& random, long double lo, long double hi) {
    return lo + static_cast<long double>(random.next() % 1000000U) * ((hi - lo) * 1e-6L);
}

// A random integer in [lo, hi]; the caller ensures lo <= hi.
std::int64_t uniformInteger(RandomGenerator& random, std::int64_t lo, std::int64_t hi) {
    const auto span = static_cast<std::uint64_t>(hi - lo + 1);
    return lo + static_cast<std::int64_t>(random.next() % span);
}

// The number of lines that sum to one and the length of each.
std::int32_t lineCount(std::int32_t rows, std::int32_t cols, UnitSums lines) {
    return lines == UnitSums::Rows ? rows : cols;
}
std::int32_t lineLength(std::int32_t rows, std::int32_t cols, UnitSums lines) {
    return lines == UnitSums::Rows ? cols : rows;
}

template <class Matrix>
auto& lineEntry(Matrix& m, UnitSums lines, std::int32_t line, std::int32_t k) {
    return lines == UnitSums::Rows ? m.at(line, k) : m.at(k, line);
}

bool hasZeroEntry(const IntegerMatrix& m) {
    return std::any_of(m.numerators.begin(), m.numerators.end(),
                       [](const BigInt& x) { return x.isZero(); });
}

// The n x n matrix with the value on its diagonal, for either kind.
template <typename Matrix, typename Value>
int diagonalOf(std::int32_t n, const Value& value, Matrix& result) {
    return runGuarded([&] {
        Matrix m(n, n);
        for (std::int32_t i = 0; i < n; ++i)
            m.at(i, i) = value;
        result = std::move(m);
        return code::Ok;
    });
}

}  // namespace

int diagonalMatrix(std::int32_t n, Complex value, ComplexMatrix& result) {
    return diagonalOf(n, value, result);
}

int diagonalMatrix(std::int32_t n, const BigInt& value, IntegerMatrix& result) {
    return diagonalOf(n, value, result);
}

int randomMatrix(std::int32_t rows, std::int32_t cols, long double lo, long double hi,
                 RandomGenerator& random, ComplexMatrix& result) {
    return runGuarded([&] {
        ComplexMatrix m(rows, cols);
        for (Complex& entry : m.cells) {
            entry.re = uniformReal(random, lo, hi);
            entry.im = uniformReal(random, lo, hi);
        }
        result = std::move(m);
        return code::Ok;
    });
}

int randomMatrix(std::int32_t rows, std::int32_t cols, long double lo, long double hi,
                 RandomGenerator& random, RealMatrix& result) {
    return runGuarded([&] {
        RealMatrix m(rows, cols);
        for (long double& entry : m.cells)
            entry = uniformReal(random, lo, hi);
        result = std::move(m);
        return code::Ok;
    });
}

int randomIntegerMatrix(std::int32_t rows, std::int32_t cols, std::int64_t lo, std::int64_t hi,
                        RandomGenerator& random, IntegerMatrix& result) {
    return runGuarded([&] {
        IntegerMatrix m(rows, cols);
        for (BigInt& entry : m.numerators)
            entry = BigInt(uniformInteger(random, lo, hi));
        result = std::move(m);
        return code::Ok;
    });
}

int probabilityMatrix(std::int32_t rows, std::int32_t cols, UnitSums lines, RandomGenerator& random,
                      ComplexMatrix& result) {
    return runGuarded([&] {
        ComplexMatrix m(rows, cols);
        for (Complex& entry : m.cells)
            entry.re = uniformReal(random, 0.0L, 1.0L);
        scaleToUnitSums(m, lines);
        result = std::move(m);
        return code::Ok;
    });
}

void scaleToUnitSums(ComplexMatrix& m, UnitSums lines) {
    const std::int32_t length = lineLength(m.rows, m.cols, lines);
    for (std::int32_t line = 0; line < lineCount(m.rows, m.cols, lines); ++line) {
        Complex sum = ZERO;
        for (std::int32_t k = 0; k < length; ++k)
            sum += lineEntry(m, lines, line, k);
        const Complex reciprocal = ONE / sum;
        for (std::int32_t k = 0; k < length; ++k)
            lineEntry(m, lines, line, k) = lineEntry(m, lines, line, k) * reciprocal;
    }
}

// The total is T = (r mod 12 + 15) m. For each line, m - 1 distinct cuts are
// marked at random among the positions 0 ... T - 1 and the position T is
// always marked; walking the positions, each mark closes one entry, the gap
// since the previous mark (counted from 0). The entries are therefore
// non-negative and sum to T. T is at least 15 m, so the random choice of free
// positions rarely has to draw again.
int integerProbabilityMatrix(std::int32_t rows, std::int32_t cols, UnitSums lines,
                             RandomGenerator& random, IntegerMatrix& result) {
    return runGuarded([&] {
        IntegerMatrix m(rows, cols);
        const std::int32_t length = lineLength(rows, cols, lines);
        const std::int64_t total = static_cast<std::int64_t>(random.next() % 12U + 15U) * length;
        std::vector<bool> marked(static_cast<std::size_t>(total) + 1);
        for (std::int32_t line = 0; line < lineCount(rows, cols, lines); ++line) {
            std::fill(marked.begin(), marked.end(), false);
            marked.back() = true;
            for (std::int32_t cut = 1; cut < length; ++cut) {
                std::size_t position = 0;
                do {
                    position = random.next() % static_cast<std::uint64_t>(total);
                } while (marked[position]);
                marked[position] = true;
            }
            std::int64_t previous = 0;
            std::int32_t k = 0;
            for (std::int64_t position = 0; position <= total; ++position) {
                if (!marked[static_cast<std::size_t>(position)]) continue;
                lineEntry(m, lines, line, k) = BigInt(position - previous);
                previous = position;
                ++k;
            }
        }
        result = std::move(m);
        return code::Ok;
    });
}

// Random elementary row additions keep the determinant at 1; they go on until
// no entry is zero.
int unitaryRandomMatrix(std::int32_t n, RandomGenerator& random, IntegerMatrix& result) {
    return runGuarded([&] {
        IntegerMatrix a = IntegerMatrix::identity(n);
        const auto order = static_cast<std::uint32_t>(n);
        do {
            const auto p = static_cast<std::int32_t>(random.next() % order);
            std::int32_t q = p;
            while (q == p)
                q = static_cast<std::int32_t>(random.next() % order);
            const bool add = random.next() % 2U == 0U;
            for (std::int32_t j = 0; j < n; ++j) {
                if (add) {
                    a.at(q, j) += a.at(p, j);
                } else {
                    a.at(q, j) -= a.at(p, j);
                }
            }
        } while (hasZeroEntry(a));
        result = std::move(a);
        return code::Ok;
    });
}

}  // namespace lorvex
