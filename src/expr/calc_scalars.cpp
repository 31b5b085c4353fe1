#include "expr/calc_scalars.h"

#include <utility>

#include "engine/arithmetic.h"
#include "engine/guarded.h"
#include "engine/rational.h"
#include "engine/result_codes.h"

namespace lorvex::calc_scalars {
namespace {

// x / y with the denominator kept positive.
Fraction exactQuotient(const Fraction& x, const Fraction& y, const StopCheck& stop) {
    Fraction q = lorvex::product(x, Fraction{y.denominator, y.numerator}, stop);
    if (q.denominator.isNegative()) {
        q.numerator = -q.numerator;
        q.denominator = -q.denominator;
    }
    return q;
}

// The numerators times the factor's numerator, the common denominator times
// its denominator, then normalised.
[[nodiscard]] int scaleExactly(const IntegerMatrix& m, const Fraction& factor, IntegerMatrix& out,
                               const StopCheck& stop) {
    IntegerMatrix scaled;
    if (const int rc = multiple(m, factor.numerator, scaled, stop); rc != code::Ok) return rc;
    return runGuarded([&] {
        scaled.denominator = BigInt::multiply(scaled.denominator, factor.denominator, stop);
        normalize(scaled, stop);
        out = std::move(scaled);
        return code::Ok;
    });
}

}  // namespace

bool isZero(const CalcNode& scalar) {
    return scalar.integerMode ? scalar.exact.numerator.isZero()
                              : size(scalar.value) < kZeroTolerance;
}

int sum(const CalcNode& l, const CalcNode& r, CalcNode& result, const StopCheck& stop) {
    if (result.integerMode) {
        result.exact = lorvex::sum(l.exact, r.exact, stop);
    } else {
        result.value = l.value + r.value;
    }
    return code::Ok;
}

int difference(const CalcNode& l, const CalcNode& r, CalcNode& result, const StopCheck& stop) {
    if (result.integerMode) {
        result.exact = lorvex::difference(l.exact, r.exact, stop);
    } else {
        result.value = l.value - r.value;
    }
    return code::Ok;
}

int product(const CalcNode& l, const CalcNode& r, CalcNode& result, const StopCheck& stop) {
    if (result.integerMode) {
        result.exact = lorvex::product(l.exact, r.exact, stop);
    } else {
        result.value = l.value * r.value;
    }
    return code::Ok;
}

int quotient(const CalcNode& l, const CalcNode& r, CalcNode& result, const StopCheck& stop) {
    if (result.integerMode) {
        result.exact = exactQuotient(l.exact, r.exact, stop);
    } else {
        // Divides by the squared modulus as it is (see Complex's operator/).
        result.value = l.value / r.value;
    }
    return code::Ok;
}

int scale(const ComplexMatrix& m, const CalcNode& factor, ComplexMatrix& out, const StopCheck&) {
    return multiple(m, factor.value, out);
}

int scale(const RealMatrix& m, const CalcNode& factor, RealMatrix& out, const StopCheck&) {
    return multiple(m, factor.value, out);
}

int scale(const IntegerMatrix& m, const CalcNode& factor, IntegerMatrix& out,
          const StopCheck& stop) {
    return scaleExactly(m, factor.exact, out, stop);
}

int scaleByInverse(const ComplexMatrix& m, const CalcNode& divisor, ComplexMatrix& out,
                   const StopCheck&) {
    return multiple(m, ONE / divisor.value, out);
}

int scaleByInverse(const RealMatrix& m, const CalcNode& divisor, RealMatrix& out,
                   const StopCheck&) {
    return multiple(m, ONE / divisor.value, out);
}

int scaleByInverse(const IntegerMatrix& m, const CalcNode& divisor, IntegerMatrix& out,
                   const StopCheck& stop) {
    const Fraction inverse{divisor.exact.denominator, divisor.exact.numerator};
    return scaleExactly(m, inverse, out, stop);
}

int power(const ComplexMatrix& m, const CalcNode& exponent, ComplexMatrix& out,
          const StopCheck& stop) {
    return lorvex::power(m, exponent.value.re, out, stop);
}

int power(const RealMatrix& m, const CalcNode& exponent, RealMatrix& out, const StopCheck& stop) {
    return lorvex::power(m, exponent.value.re, out, stop);
}

int power(const IntegerMatrix& m, const CalcNode& exponent, IntegerMatrix& out,
          const StopCheck& stop) {
    if (!exponent.exact.denominator.isOne()) return code::OutOfRange;
    return lorvex::power(m, exponent.exact.numerator, out, stop);
}

}  // namespace lorvex::calc_scalars
