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
