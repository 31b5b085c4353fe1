#include "engine/rational.h"

namespace lorvex {

Fraction reduce(const Fraction& value, const StopCheck& stop) {
    const BigInt common = BigInt::gcd(value.numerator, value.denominator, stop);
    if (common.isOne()) return value;
    return {BigInt::divideExactly(value.numerator, common, stop),
            BigInt::divideExactly(value.denominator, common, stop)};
}

Fraction sum(const Fraction& x, const Fraction& y, const StopCheck& stop) {
    return reduce({BigInt::multiply(x.numerator, y.denominator, stop) +
                       BigInt::multiply(y.numerator, x.denominator, stop),
                   BigInt::multiply(x.denominator, y.denominator, stop)},
                  stop);
}

Fraction difference(const Fraction& x, const Fraction& y, const StopCheck& stop) {
    return sum(x, {-y.numerator, y.denominator}, stop);
}

Fraction product(const Fraction& x, const Fraction& y, const StopCheck& stop) {
    return reduce({BigInt::multiply(x.numerator, y.numerator, stop),
                   BigInt::multiply(x.denominator, y.denominator, stop)},
                  stop);
}

Fraction quotient(const Fraction& x, const Fraction& y, const StopCheck& stop) {
    Fraction result = product(x, {y.denominator, y.numerator}, stop);
    if (result.denominator.isNegative()) result = {-result.numerator, -result.denominator};
    return result;
}

long double approximate(const Fraction& value) {
    return value.numerator.toLongDouble() / value.denominator.toLongDouble();
}

std::vector<Fraction> fractionsOf(const IntegerMatrix& matrix, const StopCheck& stop) {
    std::vector<Fraction> cells;
    cells.reserve(matrix.numerators.size());
    for (const BigInt& numerator : matrix.numerators)
        cells.push_back(reduce({numerator, matrix.denominator}, stop));
    return cells;
}

IntegerMatrix fromFractions(std::int32_t rows, std::int32_t cols,
                            const std::vector<Fraction>& cells, const StopCheck& stop) {
    IntegerMatrix matrix(rows, cols);
    for (const Fraction& cell : cells)
        matrix.denominator = BigInt::lcm(matrix.denominator, cell.denominator, stop);
    for (std::size_t k = 0; k < cells.size(); ++k) {
        matrix.numerators[k] = BigInt::multiply(
            cells[k].numerator,
            BigInt::divideExactly(matrix.denominator, cells[k].denominator, stop), stop);
    }
    normalize(matrix, stop);
    return matrix;
}

void normalize(std::vector<BigInt>& numerators, BigInt& denominator, const StopCheck& stop) {
    if (denominator.isNegative()) {
        denominator = -denominator;
        for (BigInt& numerator : numerators)
            numerator = -numerator;
    }
    if (denominator.isOne()) return;
    BigInt common = denominator;
    for (const BigInt& numerator : numerators) {
        if (common.isOne()) return;
        common = BigInt::gcd(common, numerator, stop);
    }
    if (common.isOne()) return;
    for (BigInt& numerator : numerators)
        numerator = BigInt::divideExactly(numerator, common, stop);
    denominator = BigInt::divideExactly(denominator, common, stop);
}

void normalize(IntegerMatrix& matrix, const StopCheck& stop) {
    normalize(matrix.numerators, matrix.denominator, stop);
}

namespace {

void scaleTo(IntegerMatrix& matrix, const BigInt& common, const StopCheck& stop) {
    const BigInt factor = BigInt::divideExactly(common, matrix.denominator, stop);
    if (factor == BigInt(1)) return;
    for (BigInt& numerator : matrix.numerators)
        numerator = BigInt::multiply(numerator, factor, stop);
    matrix.denominator = common;
}

}  // namespace

void bringToCommonDenominator(IntegerMatrix& a, IntegerMatrix& b, const StopCheck& stop) {
    const BigInt common = BigInt::lcm(a.denominator, b.denominator, stop);
    scaleTo(a, common, stop);
    scaleTo(b, common, stop);
}

}  // namespace lorvex
