#include <utility>
#include <vector>

#include "engine/elimination.h"
#include "engine/gauss_jordan.h"
#include "engine/gauss_jordan_inverse.h"
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

namespace {

// The identity built as a block in place, without a complex matrix between.
template <class T>
Block<T> identityBlock(std::int32_t n) {
    Block<T> b{n, n, std::vector<T>(static_cast<std::size_t>(n) * static_cast<std::size_t>(n))};
    for (std::int32_t i = 0; i < n; ++i)
        b.at(i, i) = T{1};
    return b;
}

}  // namespace

// The reduced copy of the matrix is let go before the result is made, so
// that the peak holds the matrix, two blocks and no more.
Outcome<ComplexMatrix> ComplexElimination::inverse(const StopCheck& stop) {
    Outcome<ComplexMatrix> result;
    result.code = runGuarded([&] {
        const std::int32_t n = m_.rows;
        Complex determinant = ZERO;
        bool regular = false;
        if (m_.isReal()) {
            Block<long double> a = gauss_jordan::realPartsOf(n, n, m_.cells);
            Block<long double> b = identityBlock<long double>(n);
            long double realDeterminant = 0.0L;
            regular = gauss_jordan::invert(a, b, realDeterminant, stop);
            determinant = Complex{realDeterminant, 0.0L};
            if (regular) {
                std::vector<long double>().swap(a.cells);
                result.value = ComplexMatrix(n, n);
                for (std::size_t i = 0; i < b.cells.size(); ++i)
                    result.value.cells[i].re = b.cells[i];
            }
        } else {
            Block<Complex> a{n, n, m_.cells};
            Block<Complex> b = identityBlock<Complex>(n);
            regular = gauss_jordan::invert(a, b, determinant, stop);
            if (regular) {
                std::vector<Complex>().swap(a.cells);
                result.value.rows = n;
                result.value.cols = n;
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
