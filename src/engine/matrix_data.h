#pragma once

#include <cassert>
#include <cstdint>
#include <variant>
#include <vector>

#include "engine/bigint.h"
#include "engine/complex.h"

namespace lorvex {

// A complex matrix: rows x cols elements, row-major. The complex mode's
// matrices, and the operations window's, whose entries a complex factor may
// make complex; a real matrix is a RealMatrix.
struct ComplexMatrix {
    std::int32_t rows = 1;
    std::int32_t cols = 1;
    std::vector<Complex> cells = std::vector<Complex>(1);

    ComplexMatrix() = default;
    ComplexMatrix(std::int32_t rowCount, std::int32_t colCount)
        : rows(rowCount), cols(colCount), cells(cellCount(rowCount, colCount), ZERO) {}

    static ComplexMatrix identity(std::int32_t n);

    Complex& at(std::int32_t i, std::int32_t j) { return cells[index(i, j)]; }
    const Complex& at(std::int32_t i, std::int32_t j) const { return cells[index(i, j)]; }
    bool isSquare() const { return rows == cols; }
    // True when every imaginary part is zero, so that real arithmetic gives
    // the same values.
    bool isReal() const;

    friend bool operator==(const ComplexMatrix&, const ComplexMatrix&) = default;

  private:
    static std::size_t cellCount(std::int32_t r, std::int32_t c) {
        assert(r >= 1 && c >= 1);
        return static_cast<std::size_t>(r) * static_cast<std::size_t>(c);
    }
    std::size_t index(std::int32_t i, std::int32_t j) const {
        assert(i >= 0 && i < rows && j >= 0 && j < cols);
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(cols) +
               static_cast<std::size_t>(j);
    }
};

// A real matrix: rows x cols reals, row-major. The engine's real paths
// perform on it the operations the complex paths perform on real parts, so a
// real matrix gives the values of the complex one with zero imaginary parts.
struct RealMatrix {
    std::int32_t rows = 1;
    std::int32_t cols = 1;
    std::vector<long double> cells = std::vector<long double>(1);

    RealMatrix() = default;
    RealMatrix(std::int32_t rowCount, std::int32_t colCount)
        : rows(rowCount),
          cols(colCount),
          cells(static_cast<std::size_t>(rowCount) * static_cast<std::size_t>(colCount), 0.0L) {
        assert(rowCount >= 1 && colCount >= 1);
    }

    static RealMatrix identity(std::int32_t n);

    long double& at(std::int32_t i, std::int32_t j) { return cells[index(i, j)]; }
    long double at(std::int32_t i, std::int32_t j) const { return cells[index(i, j)]; }
    bool isSquare() const { return rows == cols; }

    friend bool operator==(const RealMatrix&, const RealMatrix&) = default;

  private:
    std::size_t index(std::int32_t i, std::int32_t j) const {
        assert(i >= 0 && i < rows && j >= 0 && j < cols);
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(cols) +
               static_cast<std::size_t>(j);
    }
};

// The same entries with zero imaginary parts, and the real parts alone.
ComplexMatrix complexMatrixOf(const RealMatrix& m);
RealMatrix realPartsOf(const ComplexMatrix& m);

// An exact integer-mode matrix: rows x cols integer numerators, row-major,
// over one common denominator. Element (i, j) is numerator(i, j) / denominator.
// Normalised form: a positive denominator sharing no factor with all the
// numerators; arithmetic, inverse and power leave their results normalised.
struct IntegerMatrix {
    std::int32_t rows = 1;
    std::int32_t cols = 1;
    std::vector<BigInt> numerators = std::vector<BigInt>(1);
    BigInt denominator{1};

    IntegerMatrix() = default;
    IntegerMatrix(std::int32_t rowCount, std::int32_t colCount)
        : rows(rowCount),
          cols(colCount),
          numerators(static_cast<std::size_t>(rowCount) * static_cast<std::size_t>(colCount)) {
        assert(rowCount >= 1 && colCount >= 1);
    }

    static IntegerMatrix identity(std::int32_t n);

    BigInt& at(std::int32_t i, std::int32_t j) { return numerators[index(i, j)]; }
    const BigInt& at(std::int32_t i, std::int32_t j) const { return numerators[index(i, j)]; }
    bool isSquare() const { return rows == cols; }

    friend bool operator==(const IntegerMatrix&, const IntegerMatrix&) = default;

  private:
    std::size_t index(std::int32_t i, std::int32_t j) const {
        assert(i >= 0 && i < rows && j >= 0 && j < cols);
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(cols) +
               static_cast<std::size_t>(j);
    }
};

// One matrix of any representation: a RealMatrix in real mode, a
// ComplexMatrix in complex mode, an IntegerMatrix in integer mode.
using MatrixData = std::variant<ComplexMatrix, IntegerMatrix, RealMatrix>;

}  // namespace lorvex
