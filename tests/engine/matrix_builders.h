#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "engine/bigint.h"
#include "engine/matrix_data.h"
#include "engine/result_codes.h"

namespace lorvex::test {

template <class Matrix, class Value, class Convert>
Matrix matrixOf(std::initializer_list<std::initializer_list<Value>> rows, Convert convert) {
    Matrix m(static_cast<std::int32_t>(rows.size()),
             static_cast<std::int32_t>(rows.begin()->size()));
    std::int32_t i = 0;
    for (const auto& row : rows) {
        std::int32_t j = 0;
        for (const Value& value : row)
            m.at(i, j++) = convert(value);
        ++i;
    }
    return m;
}

inline ComplexMatrix realMatrix(std::initializer_list<std::initializer_list<long double>> rows) {
    return matrixOf<ComplexMatrix>(rows, [](long double v) { return Complex{v, 0.0L}; });
}

// The same entries as a real-mode matrix holds them.
inline RealMatrix realEntries(std::initializer_list<std::initializer_list<long double>> rows) {
    return matrixOf<RealMatrix>(rows, [](long double v) { return v; });
}

inline ComplexMatrix complexMatrix(std::initializer_list<std::initializer_list<Complex>> rows) {
    return matrixOf<ComplexMatrix>(rows, [](Complex v) { return v; });
}

// Real coefficients or values as complex numbers.
inline std::vector<Complex> reals(std::initializer_list<long double> values) {
    std::vector<Complex> c;
    for (long double v : values)
        c.push_back(Complex{v, 0.0L});
    return c;
}

inline BigInt big(const std::string& text) {
    BigInt value;
    EXPECT_EQ(BigInt::fromText(text, value), code::Ok) << text;
    return value;
}

inline IntegerMatrix integerMatrix(std::initializer_list<std::initializer_list<long long>> rows,
                                   long long denominator = 1) {
    IntegerMatrix m = matrixOf<IntegerMatrix>(rows, [](long long v) { return BigInt(v); });
    m.denominator = BigInt(denominator);
    return m;
}

// Entries with real and, for a complex matrix, imaginary parts in [-1, 1).
inline ComplexMatrix randomEntries(std::mt19937& engine, std::int32_t rows, std::int32_t cols,
                                   bool complex) {
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    ComplexMatrix m(rows, cols);
    for (Complex& c : m.cells)
        c = Complex{value(engine), complex ? value(engine) : 0.0};
    return m;
}

// Integer entries from -bound to bound over the denominator 1.
inline IntegerMatrix randomIntegers(std::mt19937& engine, std::int32_t rows, std::int32_t cols,
                                    int bound = 9) {
    std::uniform_int_distribution<int> value(-bound, bound);
    IntegerMatrix m(rows, cols);
    for (BigInt& entry : m.numerators)
        entry = BigInt(value(engine));
    return m;
}

// Entry by entry within the tolerance, imaginary parts included.
inline void expectNear(const std::vector<Complex>& actual, const std::vector<Complex>& expected,
                       long double tolerance) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t k = 0; k < actual.size(); ++k)
        EXPECT_LE(distance(actual[k], expected[k]), tolerance) << "entry " << k;
}

inline void expectNear(const ComplexMatrix& actual, const ComplexMatrix& expected,
                       long double tolerance = 1e-18L) {
    expectNear(actual.cells, expected.cells, tolerance);
}

}  // namespace lorvex::test
