#include <cmath>
#include <limits>
#include <type_traits>

#include "engine/arithmetic.h"
#include "engine/elimination.h"
#include "engine/guarded.h"

namespace lorvex {
namespace {

template <class Matrix, class Combine>
[[nodiscard]] int elementwise(const Matrix& a, const Matrix& b, Matrix& result, Combine combine) {
    return runGuarded([&] {
        Matrix out(a.rows, a.cols);
        for (std::size_t i = 0; i < out.cells.size(); ++i) {
            out.cells[i] = combine(a.cells[i], b.cells[i]);
        }
        result = std::move(out);
        return code::Ok;
    });
}

// C(i, j) = sum over t of A(i, t) * B(t, j), each sum taken from zero in
// increasing t. B is transposed first so that both factors are read in
// order, and C is formed in 2 x 2 tiles: each element loaded serves two sums.
// Extended-precision loads are slow, so this halves the cost; the order of the
// additions within each element stays the same.
template <class T>
void multiplyBlocks(const T* a, const T* b, T* c, std::int32_t rows, std::int32_t inner,
                    std::int32_t cols) {
    const auto at = [](std::int32_t row, std::int32_t col, std::int32_t width) {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(col);
    };
    std::vector<T> bt(static_cast<std::size_t>(inner) * static_cast<std::size_t>(cols));
    for (std::int32_t t = 0; t < inner; ++t) {
        for (std::int32_t j = 0; j < cols; ++j)
            bt[at(j, t, inner)] = b[at(t, j, cols)];
    }
    const auto single = [&](std::int32_t i, std::int32_t j) {
        const T* rowA = a + at(i, 0, inner);
        const T* colB = bt.data() + at(j, 0, inner);
        T sum{};
        for (std::int32_t t = 0; t < inner; ++t)
            sum = sum + rowA[t] * colB[t];
        c[at(i, j, cols)] = sum;
    };
    // A complex 2 x 2 tile needs more registers than the x87 stack has.
    const std::int32_t tiledRows = std::is_same_v<T, Complex> ? 0 : rows - rows % 2;
    std::int32_t i = 0;
    for (; i < tiledRows; i += 2) {
        const T* rowA0 = a + at(i, 0, inner);
        const T* rowA1 = a + at(i + 1, 0, inner);
        std::int32_t j = 0;
        for (; j + 1 < cols; j += 2) {
            const T* colB0 = bt.data() + at(j, 0, inner);
            const T* colB1 = bt.data() + at(j + 1, 0, inner);
            T sum00{};
            T sum01{};
            T sum10{};
            T sum11{};
            for (std::int32_t t = 0; t < inner; ++t) {
                const T x0 = rowA0[t];
                const T x1 = rowA1[t];
                const T y0 = colB0[t];
                const T y1 = colB1[t];
                sum00 = sum00 + x0 * y0;
                sum01 = sum01 + x0 * y1;
                sum10 = sum10 + x1 * y0;
                sum11 = sum11 + x1 * y1;
            }
            c[at(i, j, cols)] = sum00;
            c[at(i, j + 1, cols)] = sum01;
            c[at(i + 1, j, cols)] = sum10;
            c[at(i + 1, j + 1, cols)] = sum11;
        }
        if (j < cols) {
            single(i, j);
            single(i + 1, j);
        }
    }
    for (; i < rows; ++i) {
        for (std::int32_t j = 0; j < cols; ++j)
            single(i, j);
    }
}

// The product's value, with the overflow test on every element.
[[nodiscard]] int multiplyChecked(const ComplexMatrix& a, const ComplexMatrix& b,
                                  ComplexMatrix& result) {
    ComplexMatrix out(a.rows, b.cols);
    if (a.isReal() && b.isReal()) {
        std::vector<long double> left(a.cells.size());
        std::vector<long double> right(b.cells.size());
        std::vector<long double> sums(out.cells.size(), 0.0L);
        for (std::size_t i = 0; i < left.size(); ++i)
            left[i] = a.cells[i].re;
        for (std::size_t i = 0; i < right.size(); ++i)
            right[i] = b.cells[i].re;
        multiplyBlocks(left.data(), right.data(), sums.data(), a.rows, a.cols, b.cols);
        for (std::size_t i = 0; i < sums.size(); ++i)
            out.cells[i] = Complex{sums[i], 0.0L};
    } else {
        multiplyBlocks(a.cells.data(), b.cells.data(), out.cells.data(), a.rows, a.cols, b.cols);
    }
    bool overflow = false;
    for (const Complex& element : out.cells)
        overflow = overflow || exceedsOverflowLimit(element);
    result = std::move(out);
    return overflow ? code::TooBig : code::Ok;
}

[[nodiscard]] int multiplyChecked(const RealMatrix& a, const RealMatrix& b, RealMatrix& result) {
    RealMatrix out(a.rows, b.cols);
    multiplyBlocks(a.cells.data(), b.cells.data(), out.cells.data(), a.rows, a.cols, b.cols);
    bool overflow = false;
    for (const long double element : out.cells)
        overflow = overflow || std::fabs(element) > kOverflowLimit;
    result = std::move(out);
    return overflow ? code::TooBig : code::Ok;
}

Outcome<ComplexMatrix> inverseOf(const ComplexMatrix& m, const StopCheck& stop) {
    return ComplexElimination(m).inverse(stop);
}
Outcome<RealMatrix> inverseOf(const RealMatrix& m, const StopCheck& stop) {
    return RealElimination(m).inverse(stop);
}

template <class Matrix>
[[nodiscard]] int transposed(const Matrix& a, Matrix& result) {
    return runGuarded([&] {
        Matrix out(a.cols, a.rows);
        for (std::int32_t i = 0; i < a.rows; ++i) {
            for (std::int32_t j = 0; j < a.cols; ++j)
                out.at(j, i) = a.at(i, j);
        }
        result = std::move(out);
        return code::Ok;
    });
}

template <class Matrix>
[[nodiscard]] int joined(const Matrix& a, const Matrix& b, Matrix& result) {
    return runGuarded([&] {
        Matrix out(a.rows, a.cols + b.cols);
        for (std::int32_t i = 0; i < a.rows; ++i) {
            for (std::int32_t j = 0; j < a.cols; ++j)
                out.at(i, j) = a.at(i, j);
            for (std::int32_t j = 0; j < b.cols; ++j)
                out.at(i, a.cols + j) = b.at(i, j);
        }
        result = std::move(out);
        return code::Ok;
    });
}

// The exponent rounded to the nearest integer, halves toward zero, clamped to
// the 32-bit range.
long double roundedExponent(long double exponent) {
    constexpr long double kLimit = 2147483647.0L;
    if (exponent > kLimit) return kLimit;
    if (exponent < -kLimit) return -kLimit;
    long double whole = std::trunc(exponent);
    const long double fraction = exponent - whole;
    if (fraction > 0.5L) whole += 1.0L;
    if (fraction < -0.5L) whole -= 1.0L;
    return whole;
}

}  // namespace

int sum(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& result) {
    return elementwise(a, b, result, [](Complex x, Complex y) { return x + y; });
}

int difference(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& result) {
    return elementwise(a, b, result, [](Complex x, Complex y) { return x - y; });
}

int multiple(const ComplexMatrix& a, Complex factor, ComplexMatrix& result) {
    return elementwise(a, a, result, [factor](Complex x, Complex) { return x * factor; });
}

int product(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& result) {
    return runGuarded([&] { return multiplyChecked(a, b, result); });
}

int transpose(const ComplexMatrix& a, ComplexMatrix& result) {
    return transposed(a, result);
}

int join(const ComplexMatrix& a, const ComplexMatrix& b, ComplexMatrix& result) {
    return joined(a, b, result);
}

namespace {

template <class Matrix>
[[nodiscard]] int raised(const Matrix& m, long double exponent, Matrix& result,
                         const StopCheck& stop) {
    if (!std::isfinite(exponent)) return code::IntegerExpected;
    const long double rounded = roundedExponent(exponent);
    if (std::fabs(rounded - exponent) > kZeroTolerance) return code::IntegerExpected;
    auto k = static_cast<std::int64_t>(rounded);

    return runGuarded([&] {
        Matrix accumulated = Matrix::identity(m.rows);
        Matrix base = m;
        if (k < 0) {
            auto inverse = inverseOf(m, stop);
            if (inverse.code != code::Ok) return inverse.code;
            base = std::move(inverse.value);
            k = -k;
        }
        // Square and multiply; an overflowing product ends the loop with the
        // result as last computed.
        int rc = code::Ok;
        while (rc == code::Ok && k > 0) {
            stop.poll();
            if (k % 2 == 1) rc = multiplyChecked(accumulated, base, accumulated);
            k /= 2;
            if (k > 0 && rc == code::Ok) rc = multiplyChecked(base, base, base);
        }
        result = std::move(accumulated);
        return rc;
    });
}

}  // namespace

int power(const ComplexMatrix& m, long double exponent, ComplexMatrix& result,
          const StopCheck& stop) {
    return raised(m, exponent, result, stop);
}

int sum(const RealMatrix& a, const RealMatrix& b, RealMatrix& result) {
    return elementwise(a, b, result, [](long double x, long double y) { return x + y; });
}

int difference(const RealMatrix& a, const RealMatrix& b, RealMatrix& result) {
    return elementwise(a, b, result, [](long double x, long double y) { return x - y; });
}

int multiple(const RealMatrix& a, Complex factor, RealMatrix& result) {
    const long double zeroTimesImaginary = 0.0L * factor.im;
    return elementwise(a, a, result, [&](long double x, long double) {
        return x * factor.re - zeroTimesImaginary;
    });
}

int product(const RealMatrix& a, const RealMatrix& b, RealMatrix& result) {
    return runGuarded([&] { return multiplyChecked(a, b, result); });
}

int transpose(const RealMatrix& a, RealMatrix& result) {
    return transposed(a, result);
}

int join(const RealMatrix& a, const RealMatrix& b, RealMatrix& result) {
    return joined(a, b, result);
}

int power(const RealMatrix& m, long double exponent, RealMatrix& result, const StopCheck& stop) {
    return raised(m, exponent, result, stop);
}

}  // namespace lorvex
