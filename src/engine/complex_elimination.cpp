#include "engine/elimination.h"
#include "engine/gauss_jordan.h"
#include "engine/guarded.h"

namespace lorvex {

using gauss_jordan::Block;

Complex trace(const ComplexMatrix& m) {
    Complex sum = ZERO;
    for (std::int32_t i = 0; i < m.rows; ++i)
        sum = sum + m.at(i, i);
    return sum;
}

Outcome<std::int32_t> ComplexElimination::rank() {
    if (rank_) return {code::Ok, *rank_};
    const int rc = runGuarded([&] {
        if (m_.isReal()) {
            Block<long double> w = gauss_jordan::realPartsOf(m_.rows, m_.cols, m_.cells);
            std::vector<long double> rhs(static_cast<std::size_t>(m_.rows), 0.0L);
            rank_ = static_cast<std::int32_t>(gauss_jordan::reduceRows(w, rhs).size());
        } else {
            Block<Complex> w{m_.rows, m_.cols, m_.cells};
            std::vector<Complex> rhs(static_cast<std::size_t>(m_.rows), ZERO);
            rank_ = static_cast<std::int32_t>(gauss_jordan::reduceRows(w, rhs).size());
        }
        return code::Ok;
    });
    if (rc != code::Ok) return {rc, 0};
    return {code::Ok, *rank_};
}

Outcome<Complex> ComplexElimination::determinant() {
    if (determinant_) return *determinant_;
    const int rc = runGuarded([&] {
        const std::int32_t n = m_.rows;
        Complex value = ZERO;
        bool regular = false;
        if (m_.isReal()) {
            Block<long double> a = gauss_jordan::realPartsOf(n, n, m_.cells);
            long double realValue = 0.0L;
            regular = gauss_jordan::determinant(a, realValue);
            value = Complex{realValue, 0.0L};
        } else {
            Block<Complex> a{n, n, m_.cells};
            regular = gauss_jordan::determinant(a, value);
        }
        determinant_ =
            regular ? Outcome<Complex>{code::Ok, value} : Outcome<Complex>{code::Singular, ZERO};
        return code::Ok;
    });
    if (rc != code::Ok) return {rc, ZERO};
    return *determinant_;
}

Outcome<ComplexMatrix> ComplexElimination::inverse() {
    Outcome<ComplexMatrix> result;
    result.code = runGuarded([&] {
        const std::int32_t n = m_.rows;
        Complex determinant = ZERO;
        bool regular = false;
        if (m_.isReal()) {
            Block<long double> a = gauss_jordan::realPartsOf(n, n, m_.cells);
            Block<long double> b =
                gauss_jordan::realPartsOf(n, n, ComplexMatrix::identity(n).cells);
            long double realDeterminant = 0.0L;
            regular = gauss_jordan::invert(a, b, realDeterminant);
            determinant = Complex{realDeterminant, 0.0L};
            if (regular) {
                result.value = ComplexMatrix(n, n);
                result.value.cells = gauss_jordan::asComplex(b.cells);
            }
        } else {
            Block<Complex> a{n, n, m_.cells};
            Block<Complex> b{n, n, ComplexMatrix::identity(n).cells};
            regular = gauss_jordan::invert(a, b, determinant);
            if (regular) {
                result.value = ComplexMatrix(n, n);
                result.value.cells = std::move(b.cells);
            }
        }
        determinant_ = regular ? Outcome<Complex>{code::Ok, determinant}
                               : Outcome<Complex>{code::Singular, ZERO};
        return determinant_->code;
    });
    return result;
}

}  // namespace lorvex
