#include "engine/elimination.h"
#include "engine/guarded.h"
#include "engine/integer_reduction.h"

namespace lorvex {

using integer_reduction::Rows;

int trace(const IntegerMatrix& m, Fraction& result, const StopCheck& stop) {
    return runGuarded([&] {
        BigInt sum;
        for (std::int32_t i = 0; i < m.rows; ++i)
            sum += m.at(i, i);
        result = reduce({sum, m.denominator}, stop);
        return code::Ok;
    });
}

namespace {

// Solves W * X = det * U by back substitution, in place in U: W is upper
// triangular with a positive diagonal, and every division is exact because
// det * N^-1 has integer entries.
void backSubstitute(Rows& w, Rows& u, const StopCheck& stop) {
    const std::int32_t n = w.rows;
    for (std::int32_t i = n - 1; i >= 0; --i) {
        BigInt* rowI = u.row(i);
        for (std::int32_t j = 0; j < n; ++j) {
            rowI[j] = BigInt::divideExactly(rowI[j], w.at(i, i), stop);
        }
        for (std::int32_t r = i - 1; r >= 0; --r) {
            const BigInt& factor = w.at(r, i);
            if (factor.isZero()) continue;
            stop.poll();
            BigInt* rowR = u.row(r);
            for (std::int32_t j = 0; j < n; ++j) {
                rowR[j].subtractProduct(factor, rowI[j], stop);
            }
        }
    }
}

// Reduces every column of the square block w in turn, with the same row
// operations on `companion`; false as soon as a column has no pivot.
bool triangulate(Rows& w, Rows& companion, int& sign, const StopCheck& stop) {
    for (std::int32_t k = 0; k < w.rows; ++k) {
        if (!integer_reduction::reduceColumn(w, companion, k, k, sign, stop)) return false;
    }
    return true;
}

// The determinant of a triangulated block: the signed product of its diagonal.
BigInt signedDiagonalProduct(const Rows& w, int sign, const StopCheck& stop) {
    BigInt product(sign);
    for (std::int32_t i = 0; i < w.rows; ++i)
        product = BigInt::multiply(product, w.at(i, i), stop);
    return product;
}

}  // namespace

int invert(const IntegerMatrix& m, IntegerMatrix& inverse, Fraction& determinant,
           const StopCheck& stop) {
    return runGuarded([&] {
        const std::int32_t n = m.rows;
        Rows w{n, n, m.numerators};
        Rows u = Rows::identity(n);
        int sign = 1;
        if (!triangulate(w, u, sign, stop)) {
            determinant = Fraction{BigInt(0), BigInt(1)};
            return code::Singular;
        }

        const BigInt numeratorDeterminant = signedDiagonalProduct(w, sign, stop);
        for (BigInt& entry : u.cells)
            entry = BigInt::multiply(entry, numeratorDeterminant, stop);
        backSubstitute(w, u, stop);

        // u now holds det(N) * N^-1; the inverse of N / d is d * u / det(N).
        IntegerMatrix result(n, n);
        for (std::size_t i = 0; i < u.cells.size(); ++i) {
            result.numerators[i] = BigInt::multiply(m.denominator, u.cells[i], stop);
        }
        result.denominator = numeratorDeterminant;
        normalize(result, stop);

        Fraction resultDeterminant =
            reduce({numeratorDeterminant, BigInt::power(m.denominator, n, stop)}, stop);
        inverse = std::move(result);
        determinant = std::move(resultDeterminant);
        return code::Ok;
    });
}

int determinant(const IntegerMatrix& m, Fraction& result, const StopCheck& stop) {
    return runGuarded([&] {
        const std::int32_t n = m.rows;
        Rows w{n, n, m.numerators};
        Rows noCompanion{n, 0, {}};
        int sign = 1;
        if (!triangulate(w, noCompanion, sign, stop)) {
            result = Fraction{BigInt(0), BigInt(1)};
            return code::Singular;
        }
        // det(N / d) = det(N) / d^n.
        result = reduce(
            {signedDiagonalProduct(w, sign, stop), BigInt::power(m.denominator, n, stop)}, stop);
        return code::Ok;
    });
}

int rank(const IntegerMatrix& m, std::int32_t& result, const StopCheck& stop) {
    return runGuarded([&] {
        Rows w{m.rows, m.cols, m.numerators};
        Rows noRightHandSide{m.rows, 0, {}};
        std::int32_t pivots = 0;
        int sign = 1;
        for (std::int32_t j = 0; j < m.cols && pivots < m.rows; ++j) {
            if (integer_reduction::reduceColumn(w, noRightHandSide, pivots, j, sign, stop)) {
                ++pivots;
            }
        }
        result = pivots;
        return code::Ok;
    });
}

}  // namespace lorvex
