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

int invert(const ComplexMatrix& m, ComplexMatrix& inverse, Complex& determinant) {
    return runGuarded([&] {
        const std::int32_t n = m.rows;
        ComplexMatrix result(n, n);
        Complex resultDeterminant = ZERO;
        bool regular = false;
        if (m.isReal()) {
            Block<long double> a = gauss_jordan::realPartsOf(n, n, m.cells);
            Block<long double> b =
                gauss_jordan::realPartsOf(n, n, ComplexMatrix::identity(n).cells);
            long double realDeterminant = 0.0L;
            regular = gauss_jordan::invert(a, b, realDeterminant);
            resultDeterminant = Complex{realDeterminant, 0.0L};
            result.cells = gauss_jordan::asComplex(b.cells);
        } else {
            Block<Complex> a{n, n, m.cells};
            Block<Complex> b{n, n, ComplexMatrix::identity(n).cells};
            regular = gauss_jordan::invert(a, b, resultDeterminant);
            result.cells = std::move(b.cells);
        }
        if (!regular) {
            determinant = ZERO;
            return code::Singular;
        }
        inverse = std::move(result);
        determinant = resultDeterminant;
        return code::Ok;
    });
}

int determinant(const ComplexMatrix& m, Complex& result) {
    return runGuarded([&] {
        const std::int32_t n = m.rows;
        Complex value = ZERO;
        bool regular = false;
        if (m.isReal()) {
            Block<long double> a = gauss_jordan::realPartsOf(n, n, m.cells);
            long double realValue = 0.0L;
            regular = gauss_jordan::determinant(a, realValue);
            value = Complex{realValue, 0.0L};
        } else {
            Block<Complex> a{n, n, m.cells};
            regular = gauss_jordan::determinant(a, value);
        }
        result = regular ? value : ZERO;
        return regular ? code::Ok : code::Singular;
    });
}

int rank(const ComplexMatrix& m, std::int32_t& result) {
    return runGuarded([&] {
        if (m.isReal()) {
            Block<long double> w = gauss_jordan::realPartsOf(m.rows, m.cols, m.cells);
            std::vector<long double> rhs(static_cast<std::size_t>(m.rows), 0.0L);
            result = static_cast<std::int32_t>(gauss_jordan::reduceRows(w, rhs).size());
        } else {
            Block<Complex> w{m.rows, m.cols, m.cells};
            std::vector<Complex> rhs(static_cast<std::size_t>(m.rows), ZERO);
            result = static_cast<std::int32_t>(gauss_jordan::reduceRows(w, rhs).size());
        }
        return code::Ok;
    });
}

}  // namespace lorvex
