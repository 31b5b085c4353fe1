#include "engine/elimination.h"
#include "engine/guarded.h"

namespace lorvex {

using integer_reduction::Rows;

Outcome<Fraction> trace(const IntegerMatrix& m, const StopCheck& stop) {
    Outcome<Fraction> result;
    result.code = runGuarded([&] {
        BigInt sum;
        for (std::int32_t i = 0; i < m.rows; ++i)
            sum += m.at(i, i);
        result.value = reduce({sum, m.denominator}, stop);
        return code::Ok;
    });
    return result;
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

// Reduces the columns of w from the left, each with its pivot in the row after
// the previous pivot's; a column without a pivot is skipped. Returns the number
// of pivots. While every column has a pivot this is triangulate() below, so a
// square block with as many pivots as rows ends as the inverse's triangulation.
std::int32_t reduce(Rows& w, int& sign, const StopCheck& stop) {
    Rows noCompanion{w.rows, 0, {}};
    std::int32_t pivots = 0;
    for (std::int32_t j = 0; j < w.cols && pivots < w.rows; ++j) {
        if (integer_reduction::reduceColumn(w, noCompanion, pivots, j, sign, stop)) ++pivots;
    }
    return pivots;
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

Outcome<std::int32_t> IntegerElimination::rank(const StopCheck& stop) {
    const int rc = runGuarded([&] {
        if (!reduction_) {
            Reduction reduced{Rows{m_.rows, m_.cols, m_.numerators}};
            reduced.pivots = reduce(reduced.rows, reduced.sign, stop);
            reduction_ = std::move(reduced);
        }
        return code::Ok;
    });
    if (rc != code::Ok) return {rc, 0};
    return {code::Ok, reduction_->pivots};
}

Outcome<Fraction> IntegerElimination::determinant(const StopCheck& stop) {
    Outcome<Fraction> result;
    result.code = runGuarded([&] {
        if (!numeratorDeterminant_) {
            // A column without a pivot leaves fewer pivots than columns, and
            // otherwise the rank's reduction is the inverse's triangulation.
            if (const Outcome<std::int32_t> r = rank(stop); r.code != code::Ok) return r.code;
            numeratorDeterminant_ =
                reduction_->pivots < m_.rows
                    ? BigInt(0)
                    : signedDiagonalProduct(reduction_->rows, reduction_->sign, stop);
        }
        if (numeratorDeterminant_->isZero()) {
            result.value = Fraction{BigInt(0), BigInt(1)};
            return code::Singular;
        }
        // det(N / d) = det(N) / d^n.
        result.value =
            reduce({*numeratorDeterminant_, BigInt::power(m_.denominator, m_.rows, stop)}, stop);
        return code::Ok;
    });
    return result;
}

Outcome<IntegerMatrix> IntegerElimination::inverse(const StopCheck& stop) {
    Outcome<IntegerMatrix> result;
    result.code = runGuarded([&] {
        if (numeratorDeterminant_ && numeratorDeterminant_->isZero()) return code::Singular;
        const std::int32_t n = m_.rows;
        Rows w{n, n, m_.numerators};
        Rows u = Rows::identity(n);
        int sign = 1;
        if (!triangulate(w, u, sign, stop)) {
            numeratorDeterminant_ = BigInt(0);
            return code::Singular;
        }
        numeratorDeterminant_ = signedDiagonalProduct(w, sign, stop);

        for (BigInt& entry : u.cells)
            entry = BigInt::multiply(entry, *numeratorDeterminant_, stop);
        backSubstitute(w, u, stop);

        // u now holds det(N) * N^-1; the inverse of N / d is d * u / det(N).
        IntegerMatrix inverse(n, n);
        for (std::size_t i = 0; i < u.cells.size(); ++i) {
            inverse.numerators[i] = BigInt::multiply(m_.denominator, u.cells[i], stop);
        }
        inverse.denominator = *numeratorDeterminant_;
        normalize(inverse, stop);
        result.value = std::move(inverse);
        return code::Ok;
    });
    return result;
}

}  // namespace lorvex
