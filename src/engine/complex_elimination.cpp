#include <utility>
#include <vector>

#include "engine/elimination.h"
#include "engine/gauss_jordan.h"
#include "engine/gauss_jordan_inverse.h"
#include "engine/guarded.h"

namespace lorvex {

using gauss_jordan::Block;

namespace {

template <class T>
std::int32_t rankOf(Block<T> w) {
    std::vector<T> rhs(static_cast<std::size_t>(w.rows), T{});
    return static_cast<std::int32_t>(gauss_jordan::reduceRows(w, rhs).size());
}

template <class T>
Outcome<T> determinantOf(Block<T> a) {
    T value{};
    if (!gauss_jordan::determinant(a, value)) return {code::Singular, T{}};
    return {code::Ok, value};
}

// The identity built as a block in place, without a matrix between.
template <class T>
Block<T> identityBlock(std::int32_t n) {
    Block<T> b{n, n, std::vector<T>(static_cast<std::size_t>(n) * static_cast<std::size_t>(n))};
    for (std::int32_t i = 0; i < n; ++i)
        b.at(i, i) = T{1};
    return b;
}

// The inverse's entries into `inverse`, when `a` is regular. The reduced copy
// of the matrix is let go before the caller makes the result, so that the
// peak holds the matrix, two blocks and no more.
template <class T>
Outcome<T> invertInto(Block<T> a, std::vector<T>& inverse, const StopCheck& stop) {
    Block<T> b = identityBlock<T>(a.rows);
    T determinant{};
    if (!gauss_jordan::invert(a, b, determinant, stop)) return {code::Singular, T{}};
    std::vector<T>().swap(a.cells);
    inverse = std::move(b.cells);
    return {code::Ok, determinant};
}

}  // namespace

Complex trace(const ComplexMatrix& m) {
    Complex sum = ZERO;
    for (std::int32_t i = 0; i < m.rows; ++i)
        sum = sum + m.at(i, i);
    return sum;
}

long double trace(const RealMatrix& m) {
    long double sum = 0.0L;
    for (std::int32_t i = 0; i < m.rows; ++i)
        sum = sum + m.at(i, i);
    return sum;
}

// A complex matrix whose imaginary parts are all zero takes the real path.
Outcome<std::int32_t> ComplexElimination::rank() {
    if (rank_) return {code::Ok, *rank_};
    const int rc = runGuarded([&] {
        rank_ = m_.isReal() ? rankOf(gauss_jordan::realPartsOf(m_.rows, m_.cols, m_.cells))
                            : rankOf(Block<Complex>{m_.rows, m_.cols, m_.cells});
        return code::Ok;
    });
    if (rc != code::Ok) return {rc, 0};
    return {code::Ok, *rank_};
}

Outcome<Complex> ComplexElimination::determinant() {
    if (determinant_) return *determinant_;
    const int rc = runGuarded([&] {
        const std::int32_t n = m_.rows;
        if (m_.isReal()) {
            const Outcome<long double> real =
                determinantOf(gauss_jordan::realPartsOf(n, n, m_.cells));
            determinant_ = Outcome<Complex>{real.code, Complex{real.value, 0.0L}};
        } else {
            determinant_ = determinantOf(Block<Complex>{n, n, m_.cells});
        }
        return code::Ok;
    });
    if (rc != code::Ok) return {rc, ZERO};
    return *determinant_;
}

Outcome<ComplexMatrix> ComplexElimination::inverse(const StopCheck& stop) {
    Outcome<ComplexMatrix> result;
    result.code = runGuarded([&] {
        const std::int32_t n = m_.rows;
        if (m_.isReal()) {
            std::vector<long double> cells;
            const Outcome<long double> real =
                invertInto(gauss_jordan::realPartsOf(n, n, m_.cells), cells, stop);
            determinant_ = Outcome<Complex>{real.code, Complex{real.value, 0.0L}};
            if (real.code == code::Ok) {
                result.value = ComplexMatrix(n, n);
                for (std::size_t i = 0; i < cells.size(); ++i)
                    result.value.cells[i].re = cells[i];
            }
        } else {
            determinant_ = invertInto(Block<Complex>{n, n, m_.cells}, result.value.cells, stop);
            if (determinant_->code == code::Ok) result.value.rows = result.value.cols = n;
        }
        return determinant_->code;
    });
    return result;
}

Outcome<std::int32_t> RealElimination::rank() {
    if (rank_) return {code::Ok, *rank_};
    const int rc = runGuarded([&] {
        rank_ = rankOf(Block<long double>{m_.rows, m_.cols, m_.cells});
        return code::Ok;
    });
    if (rc != code::Ok) return {rc, 0};
    return {code::Ok, *rank_};
}

Outcome<long double> RealElimination::determinant() {
    if (determinant_) return *determinant_;
    const int rc = runGuarded([&] {
        determinant_ = determinantOf(Block<long double>{m_.rows, m_.rows, m_.cells});
        return code::Ok;
    });
    if (rc != code::Ok) return {rc, 0.0L};
    return *determinant_;
}

Outcome<RealMatrix> RealElimination::inverse(const StopCheck& stop) {
    Outcome<RealMatrix> result;
    result.code = runGuarded([&] {
        const std::int32_t n = m_.rows;
        determinant_ = invertInto(Block<long double>{n, n, m_.cells}, result.value.cells, stop);
        if (determinant_->code == code::Ok) result.value.rows = result.value.cols = n;
        return determinant_->code;
    });
    return result;
}

}  // namespace lorvex
